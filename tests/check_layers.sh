#!/usr/bin/env bash
# The core and the command-line driver stay free of Qt Widgets.
set -u
src="$1"; cli="$2"; status=0
hits=$(grep -rnE '#include\s*<(QtWidgets|QWidget|QApplication|QMainWindow|QMessageBox|QFileDialog|QLabel)' \
       "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/gui/")
if [ -n "$hits" ]; then echo "QtWidgets used outside src/gui:"; echo "$hits"; status=1; fi
if ldd "$cli" | grep -q 'Qt6Widgets'; then echo "trajecta-cli links Qt Widgets"; status=1; fi
[ $status -eq 0 ] && echo "1 passed, 0 failed"
exit $status

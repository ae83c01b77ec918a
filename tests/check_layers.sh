#!/usr/bin/env bash
# The folders of src/ include one another only downwards, as the table says;
# the core and the command-line driver stay free of Qt Widgets.
set -u
src="$1"; cli="$2"; status=0

# Each folder of src/ and the other folders it may include (its own always).
# Kept the same as the table in docs/ARCHITECTURE.md.
declare -A allowed=(
    [platform]=""
    [document]="platform"
    [svg]=""
    [core]="svg document platform"
    [host]="core document platform"
    [background]="core document platform"
    [timing]="host core document platform"
    [extras]="timing host core document platform"
    [parameters]="timing host core document platform"
    [preview]="timing host core document platform"
    [history]="core document platform"
    [curvefile]="parameters extras timing core document platform"
    [shell]="timing core document platform"
    [app]="shell curvefile history preview parameters extras timing background host core document platform"
    [cli]="app curvefile"
    [gui]="app shell preview core document platform"
)

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [ -z "${allowed[$folder]+set}" ]; then
        echo "src/$folder/ has no row in the table of allowed includes"; status=1
    fi
done

include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"/]+)/'
while IFS= read -r hit; do
    file=${hit%%:*}; rest=${hit#*:}; line=${rest%%:*}; text=${rest#*:}
    [[ $text =~ $include ]] || continue
    to=${BASH_REMATCH[1]}
    rel=${file#"$src"/}; from=${rel%%/*}
    if [ "$to" = "$from" ] || [ ! -d "$src/$to" ] || [ -z "${allowed[$from]+set}" ]; then continue; fi
    if [[ " ${allowed[$from]} " != *" $to "* ]]; then
        echo "src/$rel:$line: $from/ may not include $to/: $text"; status=1
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$src" --include='*.h' --include='*.cpp')

hits=$(grep -rnE '#include\s*<(QtWidgets|QWidget|QApplication|QMainWindow|QMessageBox|QFileDialog|QLabel)' \
       "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/gui/")
if [ -n "$hits" ]; then echo "QtWidgets used outside src/gui:"; echo "$hits"; status=1; fi
if ldd "$cli" | grep -q 'Qt6Widgets'; then echo "trajecta-cli links Qt Widgets"; status=1; fi
# Operations name controls through the handles of document/ControlIds.h. A
# control's name as a text literal belongs only to the edges that speak names:
# the inventory, the caption tables, the settings file, the script driver, the
# binder and the document's table of named lists.
names=$(grep -oE '\{"[A-Za-z0-9_]+"\}' "$src/document/ControlIds.h" | tr -d '{}"' | paste -sd'|')
edges='^'"$src"'/(document/ControlIds\.h|document/CurveDocument\.cpp|app/(MainWindow|Dialog)Inventory\.cpp|app/ScriptRunner\.cpp|shell/CaptionTables\.cpp|shell/SettingsFile\.cpp|gui/Binder\.cpp):'
hits=$(grep -rnE "\"($names)\"" "$src" --include='*.h' --include='*.cpp' | grep -vE "$edges" |
       grep -vE '^[^:]+:[0-9]+:[[:space:]]*//')
if [ -n "$hits" ]; then echo "control names written as text outside the edges (use ids::):"; echo "$hits"; status=1; fi
[ $status -eq 0 ] && echo "1 passed, 0 failed"
exit $status

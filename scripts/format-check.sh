#!/usr/bin/env bash
# Fails when a C++ source is not formatted with the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files 'src/*' 'tests/*' 'bench/*' 'tools/*' 'fuzz/*' | grep -E '\.(cpp|h)$' |
  xargs clang-format-14 --dry-run --Werror

#!/usr/bin/env bash
# Formats C and C++ files with the tree's .clang-format: the files changed
# against a revision (default HEAD, untracked ones included), or every file
# with --all. Run it before a commit; the review before a stop runs it too.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if [ "${1:-}" = "--all" ]; then
  files=$(git ls-files '*.cpp' '*.h' '*.c')
else
  files=$( { git diff --name-only --diff-filter=d "${1:-HEAD}" -- '*.cpp' '*.h' '*.c';
             git ls-files --others --exclude-standard -- '*.cpp' '*.h' '*.c'; } | sort -u)
fi
[ -z "$files" ] || echo "$files" | xargs clang-format -i

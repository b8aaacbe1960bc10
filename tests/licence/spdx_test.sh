#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file starts with its licence in SPDX form: C++ and JavaScript with
# "// SPDX-…", CMake and shell with "# SPDX-…" (below a script's #! line).
# Lists the files that do not and fails when there are any.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
id="SPDX-License-Identifier: GPL-3.0-or-later"

missing=()
while IFS= read -r -d '' file; do
  case "$file" in
    *.cpp | *.h | *.js) want="// $id" ;;
    *.sh | *.cmake | */CMakeLists.txt | CMakeLists.txt) want="# $id" ;;
    *) if [[ "$(head -c 2 "$file")" == "#!" ]]; then want="# $id"; else continue; fi ;;
  esac
  first="$(head -n 2 "$file" | grep -v '^#!' | head -n 1 || true)"
  [[ "$first" == "$want" ]] || missing+=("$file")
done < <(find CMakeLists.txt src tools tests bench \( -name node_modules -o -name work \) -prune \
  -o -type f -print0 | LC_ALL=C sort -z)

if ((${#missing[@]})); then
  echo "These files do not start with \"$id\":" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

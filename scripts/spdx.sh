#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in an SPDX-License-Identifier line near its top: the
# program is GPL-3.0-or-later; the lesson texts and the command catalogue (data/text,
# data/catalogue) are CC-BY-SA-4.0; the AppStream metadata is CC0-1.0. Files whose format has no
# comments (pictures, the fuzzer's seed inputs, the licence texts) are covered by
# packaging/copyright instead.
#   scripts/spdx.sh           adds the line, in the file's own comment syntax, where it is missing
#   scripts/spdx.sh --check   lists the files without one and fails if there are any
set -euo pipefail
cd "$(dirname "$0")/.."

# Prints "<licence> <comment style>" for a file, or "skip".
rule_for() {
  case "$1" in
    LICENSE | LICENSES/* | packaging/copyright | data/pictures/* | fuzz/corpus/* | *.svg | *.png | \
      *.json | *.db) echo skip ;;
    data/text/*.txt) echo "CC-BY-SA-4.0 plain" ;;
    data/catalogue/*.tsv) echo "CC-BY-SA-4.0 hash" ;;
    *.metainfo.xml | *.metainfo.xml.in) echo "CC0-1.0 markup" ;;
    tests/transcripts/data/*.txt) echo "GPL-3.0-or-later plain" ;;
    *.cpp | *.h | *.cc | *.hpp | *.c | *.js | *.mjs | *.ts) echo "GPL-3.0-or-later slash" ;;
    *.css) echo "GPL-3.0-or-later block" ;;
    *.md | *.html | *.xml | *.xml.in) echo "GPL-3.0-or-later markup" ;;
    *.cmake | */CMakeLists.txt | CMakeLists.txt | *.sh | *.py | *.tsv | *.txt | *.h2m | *.desktop | \
      *.supp | *.dict | *.yml | *.yaml | .clang-format | .gitignore | */.gitignore) \
      echo "GPL-3.0-or-later hash" ;;
    *) if head -c 2 "$1" | grep -q '^#!'; then echo "GPL-3.0-or-later hash"; else echo skip; fi ;;
  esac
}

has_identifier() { head -n 4 "$1" | grep -q 'SPDX-License-Identifier:'; }

identifier_line() {
  local text="SPDX-License-Identifier: $1"
  case "$2" in
    slash) echo "// $text" ;;
    hash) echo "# $text" ;;
    block) echo "/* $text */" ;;
    markup) echo "<!-- $text -->" ;;
    plain) echo "$text" ;;
  esac
}

# The line goes first, or after a first line that must stay first (#!, <?xml, <!DOCTYPE).
add_identifier() {
  local file="$1" line="$2" temporary
  temporary="$(mktemp)"
  if head -n 1 "$file" | grep -qE '^(#!|<\?xml|<!DOCTYPE|<!doctype)'; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } >"$temporary"
  else
    { echo "$line"; cat "$file"; } >"$temporary"
  fi
  cat "$temporary" >"$file"  # keeps the file's mode (scripts stay executable)
  rm -f "$temporary"
}

check=false
[ "${1:-}" = "--check" ] && check=true
missing=0
while IFS= read -r file; do
  [ -f "$file" ] || continue
  read -r licence style <<<"$(rule_for "$file")"
  [ "$licence" = skip ] && continue
  has_identifier "$file" && continue
  if $check; then
    echo "no SPDX-License-Identifier line: $file"
    missing=$((missing + 1))
  else
    add_identifier "$file" "$(identifier_line "$licence" "$style")"
    echo "added $licence: $file"
  fi
done < <(git ls-files --cached --others --exclude-standard | sort -u)

if $check && [ "$missing" -gt 0 ]; then
  echo "$missing files lack an SPDX-License-Identifier line; scripts/spdx.sh adds them."
  exit 1
fi

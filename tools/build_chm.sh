#!/usr/bin/env bash
# Compiles the help file Zenka.chm from its sources:
#   tools/build_chm.sh SOURCE_FOLDER WORK_FOLDER OUTPUT_FILE
#
# The sources are UTF-8 and declare it, so that they read well in any
# browser. The HTML Help viewer reads the contents, the index and the pages'
# titles in the code page of the help file's language (932, Japanese), so
# everything goes into the help file in code page 932 and each page declares
# Shift_JIS instead. A character code page 932 lacks stops the build.
#
# The context map ([ALIAS] and [MAP] of the project) is written here, not by
# chmcmd: chmcmd puts the project folder's absolute path in front of each
# topic of the map, which no viewer finds in the file. The project goes to
# chmcmd without those sections; every topic of the map becomes the default
# page of a window type of its own, which puts the topic's name among the
# file's strings, and the map itself (#IVB: its size, then pairs of context
# number and offset of the topic's name in #STRINGS) is added as a file.
# chmcmd runs twice, since the offsets are known only after the first run.
set -euo pipefail

src=$(cd "$1" && pwd)
work=$2
out=$3
project=zenka.hhp

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

# Pages, contents and index in code page 932, declaring it.
for file in "$src"/*; do
  name=$(basename "$file")
  case "$name" in
    *.htm | *.hhc | *.hhk)
      iconv -f UTF-8 -t CP932 "$file" | sed 's/charset=utf-8/charset=Shift_JIS/I' >"$work/$name"
      ;;
    *.hhp) ;;
    *) cp "$file" "$work/$name" ;;
  esac
done

# The context map as "number topic" lines, from [MAP] and [ALIAS].
map=$work/context-map.txt
LC_ALL=C awk '
  function trim(s) { gsub(/^[ \t\r]+|[ \t\r]+$/, "", s); return s }
  /^\[/ { section = toupper(trim($0)); next }
  section == "[ALIAS]" { line = trim($0); if (line == "") next
    split(line, kv, "="); alias[trim(kv[1])] = trim(kv[2]); next }
  section == "[MAP]" { line = trim($0); if (line == "") next
    n = split(line, w, /[ \t]+/)
    if (w[1] != "#define" || n != 3) { print "build_chm: unreadable [MAP] line: " line > "/dev/stderr"; exit 1 }
    number[w[2]] = w[3]; next }
  END {
    for (name in number) {
      if (!(name in alias)) { print "build_chm: " name " has no topic in [ALIAS]" > "/dev/stderr"; exit 1 }
      print number[name], alias[name]
    }
  }' "$src/$project" | sort -n >"$map"
topics=$(wc -l <"$map")

# The project for chmcmd: without the map, with a window type per topic of
# the map and the map's file.
LC_ALL=C awk -v map="$map" '
  function trim(s) { gsub(/^[ \t\r]+|[ \t\r]+$/, "", s); return s }
  /^\[/ {
    section = toupper(trim($0))
    if (section == "[ALIAS]" || section == "[MAP]") next
    print
    if (section == "[WINDOWS]") {
      while ((getline entry < map) > 0) {
        split(entry, f, " ")
        printf "zenka_context_%s=,,,\"%s\",,,,,,,,,,,,,,,,0\n", f[1], f[2]
      }
      close(map)
    }
    if (section == "[FILES]") print "#IVB"
    next
  }
  section == "[ALIAS]" || section == "[MAP]" { next }
  { print }' "$src/$project" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$work/$project"
grep -q '^\[WINDOWS\]' "$work/$project" && grep -q '^\[FILES\]' "$work/$project" || {
  echo "build_chm: the project needs a [WINDOWS] and a [FILES] section" >&2
  exit 1
}

# A little-endian 32-bit number as bytes.
dword() {
  local v=$1
  printf "\\$(printf '%03o' $((v & 255)))\\$(printf '%03o' $(((v >> 8) & 255)))"
  printf "\\$(printf '%03o' $(((v >> 16) & 255)))\\$(printf '%03o' $(((v >> 24) & 255)))"
}

compile() {
  local log=$work/chmcmd.log
  (cd "$work" && chmcmd "$project") >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
  if grep -E '^(Error|Warning)' "$log" >&2; then
    echo "build_chm: chmcmd found faults in the help sources" >&2
    exit 1
  fi
  rm -rf "$work/read"
  extract_chmLib "$work/Zenka.chm" "$work/read" >/dev/null
}

# First run with a map of the right size, to learn the offsets.
head -c $((4 + 8 * topics)) /dev/zero >"$work/#IVB"
compile
cp "$work/read/#STRINGS" "$work/strings.first"
offsets=$work/string-offsets.txt
tr '\0' '\n' <"$work/read/#STRINGS" | LC_ALL=C awk '{ print off "\t" $0; off += length($0) + 1 }' >"$offsets"

{
  dword $((8 * topics))
  while read -r number topic; do
    offset=$(awk -F'\t' -v t="$topic" '$2 == t { print $1; exit }' "$offsets")
    if [ -z "$offset" ]; then
      echo "build_chm: the topic $topic is not among the help file's strings" >&2
      exit 1
    fi
    dword "$number"
    dword "$offset"
  done <"$map"
} >"$work/#IVB"
compile
cmp -s "$work/strings.first" "$work/read/#STRINGS" || {
  echo "build_chm: the strings moved between the two runs of chmcmd" >&2
  exit 1
}
cmp -s "$work/#IVB" "$work/read/#IVB" || { echo "build_chm: the context map did not go in as written" >&2; exit 1; }

cp "$work/Zenka.chm" "$out"

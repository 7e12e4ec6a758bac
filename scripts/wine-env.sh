# Sourced by the scripts that run Zenka under Wine. Keeps everything Wine
# writes inside build/wine, and prepares a template prefix once per build
# tree, from which each run, each slot of the test runs and each test run
# alone makes a prefix of its own.
zenka_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zenka_wine=$zenka_root/build/wine
mkdir -p "$zenka_wine/home/.config" "$zenka_wine/home/.local/share" "$zenka_wine/home/.cache" "$zenka_wine/tmp"

export HOME=$zenka_wine/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export TMPDIR=$zenka_wine/tmp
export WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export ALSA_CONFIG_PATH=$zenka_wine/asound-null.conf
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
if [ ! -f "$ALSA_CONFIG_PATH" ]; then
  printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n' >"$ALSA_CONFIG_PATH.$$"
  mv -f "$ALSA_CONFIG_PATH.$$" "$ALSA_CONFIG_PATH"
fi
# Under scripts/run-wine-tests.sh ctest gives each test a slot, a resource
# named "wine" ("id:<number>,slots:1"): the virtual display of that number
# and a prefix of the slot's own, $ZENKA_WINE_SLOTS/<number>.
if [ -n "${CTEST_RESOURCE_GROUP_0_WINE:-}" ]; then
  zenka_slot_id=${CTEST_RESOURCE_GROUP_0_WINE#id:}
  zenka_slot_id=${zenka_slot_id%%,*}
  export DISPLAY=:$zenka_slot_id
fi

# The prefix's font set-up (scripts/wine/fonts.reg: the Japanese font
# aliases and the virtual desktop) goes into the prefix at $1 unless it is
# there already as it stands now.
zenka_wine_fonts() {
  local prefix=$1 setup=$zenka_root/scripts/wine/fonts.reg
  local stamp
  stamp=$(md5sum <"$setup" | cut -d' ' -f1)
  [ "$(cat "$prefix/.zenka-fonts" 2>/dev/null)" = "$stamp" ] && return 0
  local reg=$zenka_wine/fonts-utf16.reg
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$setup"; } >"$reg"
  WINEPREFIX=$prefix wine regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg")" >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w
  echo "$stamp" >"$prefix/.zenka-fonts"
}

# Makes build/wine/template once: Japanese font aliases, a virtual desktop,
# user folders that do not point into $HOME. A changed font set-up is
# brought into the template the next time. Tests that start side by side
# wait for the first to make it.
zenka_wine_template() {
  (
    flock 9
    zenka_wine_make_template
  ) 9>"$zenka_wine/template.lock"
}

zenka_wine_make_template() {
  local template=$zenka_wine/template
  if [ -f "$template/.zenka-ready" ]; then
    zenka_wine_fonts "$template"
    return 0
  fi
  rm -rf "$template"
  echo "Preparing a Wine prefix (once per build tree)..."
  WINEPREFIX=$template wineboot -i >/dev/null 2>&1
  zenka_wine_fonts "$template"
  local f
  for f in tahoma tahomabd marlett; do
    [ -f "/usr/share/wine/fonts/$f.ttf" ] && ln -sf "/usr/share/wine/fonts/$f.ttf" "$template/drive_c/windows/Fonts/$f.ttf"
  done
  local link
  for link in "$template"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm -f "$link"; mkdir -p "$link"; fi
  done
  WINEPREFIX=$template wineserver -w
  touch "$template/.zenka-ready"
}

# Makes a fresh prefix at $1 from the template (hard links, but registry
# files copied, since Wine rewrites them).
zenka_wine_prefix() {
  local prefix=$1
  zenka_wine_template
  rm -rf "$prefix"
  cp -al "$zenka_wine/template" "$prefix"
  local reg
  for reg in system.reg user.reg userdef.reg; do
    rm -f "$prefix/$reg"
    cp "$zenka_wine/template/$reg" "$prefix/$reg"
  done
}

# Gives this shell a throwaway prefix, build/wine/$1-XXXXXX, as its
# WINEPREFIX, and removes it with its server when the shell exits.
zenka_wine_throwaway() {
  WINEPREFIX=$(mktemp -d "$zenka_wine/$1-XXXXXX")
  export WINEPREFIX
  trap zenka_wine_throwaway_end EXIT
  zenka_wine_prefix "$WINEPREFIX"
}

zenka_wine_throwaway_end() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}

# The prefix of the slot this test was given, or while the tests are listed
# (before any runs) the first slot's; nothing outside scripts/run-wine-tests.sh.
zenka_wine_slot_given() {
  [ -n "${ZENKA_WINE_SLOTS:-}" ] || return 0
  echo "$ZENKA_WINE_SLOTS/${zenka_slot_id:-$(cat "$ZENKA_WINE_SLOTS/first")}"
}

# Makes the slot's prefix ($1, named after its display) from the template
# and starts its server, its services and its desktop, which stay while the
# slot is in use: a test then starts as quickly as a program does. Their
# output goes nowhere, so that no test's output waits for them to end.
zenka_wine_slot_start() {
  local slot=$1
  zenka_wine_prefix "$slot"
  WINEPREFIX=$slot wineserver -p </dev/null >/dev/null 2>&1
  WINEPREFIX=$slot wine cmd /c exit </dev/null >/dev/null 2>&1
  (WINEPREFIX=$slot DISPLAY=:${slot##*/} setsid wine explorer /desktop=Default,1024x768 </dev/null >/dev/null 2>&1 &)
}

zenka_wine_slot_end() {
  WINEPREFIX=$1 wineserver -k 2>/dev/null || true
  WINEPREFIX=$1 wineserver -w 2>/dev/null || true
  rm -rf "$1" "$1.busy"
}

zenka_wine_slot_renew() {
  zenka_wine_slot_end "$1"
  zenka_wine_slot_start "$1"
}

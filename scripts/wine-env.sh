# Sourced by the scripts that run Zenka under Wine. Keeps everything Wine
# writes inside build/wine, and prepares a template prefix once per build
# tree, from which each run makes its own prefix.
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
printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\n' >"$ALSA_CONFIG_PATH"

# Makes build/wine/template once: Japanese font aliases, a virtual desktop,
# user folders that do not point into $HOME.
zenka_wine_template() {
  local template=$zenka_wine/template
  [ -f "$template/.zenka-ready" ] && return 0
  rm -rf "$template"
  echo "Preparing a Wine prefix (once per build tree)..."
  WINEPREFIX=$template wineboot -i >/dev/null 2>&1
  local reg=$zenka_wine/fonts-utf16.reg
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$zenka_root/scripts/wine/fonts.reg"; } >"$reg"
  WINEPREFIX=$template wine regedit /S "$(WINEPREFIX=$template winepath -w "$reg")" >/dev/null 2>&1
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

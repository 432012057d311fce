# Sourced by the scripts that run Pavonet or its tests under Wine.
# A private prefix inside the build tree, Japanese locale (code page 932).

pavonet_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${PAVONET_WINEPREFIX:-$pavonet_root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
unset LC_ALL
wineserver_bin=/usr/lib/wine/wineserver

# Wine runs as an ordinary user: as root it ignores read-only files and
# folder permissions, so "access denied" would never happen.
pavonet_wine_user=pavonet-wine
if [ "$(id -u)" = 0 ]; then
  as_wine_user() { runuser -u "$pavonet_wine_user" -- "$@"; }
else
  as_wine_user() { "$@"; }
fi

# Creates the prefix once; later calls return at once.
pavonet_wine_prefix() {
  [ -f "$WINEPREFIX/.pavonet-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  [ "$(id -u)" = 0 ] && chown "$pavonet_wine_user:" "$WINEPREFIX"
  (
    flock 9
    [ -f "$WINEPREFIX/.pavonet-ready" ] && exit 0
    echo "Creating the Wine prefix in $WINEPREFIX ..." >&2
    as_wine_user wine wineboot -i </dev/null >/dev/null 2>&1
    as_wine_user "$wineserver_bin" -w
    # Without Wine's own fonts the caption buttons draw as letters.
    as_wine_user cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$pavonet_root/scripts/wine-prefix.reg"; } \
      >"$WINEPREFIX/pavonet.reg"
    as_wine_user wine regedit /S "Z:${WINEPREFIX//\//\\}\\pavonet.reg" </dev/null >/dev/null 2>&1
    as_wine_user "$wineserver_bin" -w
    touch "$WINEPREFIX/.pavonet-ready"
  ) 9>"$WINEPREFIX.lock"
}

# Starts a private Xvfb on a free display and exports DISPLAY. The caller
# stops it with pavonet_stop_xvfb.
pavonet_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$number_file" >/dev/null 2>&1 &
  pavonet_xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
  rm -f "$number_file"
}

pavonet_stop_xvfb() {
  [ -n "${pavonet_xvfb_pid:-}" ] && kill "$pavonet_xvfb_pid" 2>/dev/null
  pavonet_xvfb_pid=
}

# One warm wineserver for a whole run: each Wine process then starts quickly.
# The virtual desktop is started here, detached: left to the first window of
# a test, its explorer.exe would inherit and hold that test's output pipe.
pavonet_wine_session_start() {
  as_wine_user "$wineserver_bin" -p
  as_wine_user wine wineboot </dev/null >/dev/null 2>&1
  if [ -n "${DISPLAY:-}" ]; then
    as_wine_user wine explorer.exe /desktop=Default,1024x768 </dev/null >/dev/null 2>&1 &
    sleep 2
  fi
}

pavonet_wine_session_end() {
  as_wine_user "$wineserver_bin" -k 2>/dev/null
}

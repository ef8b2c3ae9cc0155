#!/usr/bin/env bash
# Builds the Windows program on Linux and proves it under Wine: one zip per
# language in build-windows/release, ready to copy to a planner's PC.
#
#   scripts/windows.sh             every stage, in order
#   scripts/windows.sh STAGE...    only the stages named (packages qt googletest
#                                  wine tests languages release), in that order
#
# Qt for Windows is not packaged, so the first run builds Qt base from Debian's
# source tarball with MinGW-w64 (about half an hour on two cores) into a cache
# outside the repository, ${XDG_CACHE_HOME:-~/.cache}/mitarbeiterimport, where
# every later run finds it. Changing the configure options or the toolchain
# file gives a new cache folder and so a new build.
set -euo pipefail
cd "$(dirname "$0")/.."
quellen=$PWD

QT_VERSION=6.4.2
QT_TARBALL=qt6-base_${QT_VERSION}+dfsg.orig.tar.xz
QT_SHA256=4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e
TOOLCHAIN=$quellen/cmake/mingw-w64.cmake
TRIPLE=x86_64-w64-mingw32
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/mitarbeiterimport
BUILD=$quellen/build-windows
JOBS=$(($(nproc) < 2 ? $(nproc) : 2))

# Only what the program and its tests need: no network, SQL, printing, XML,
# D-Bus or OpenGL, and the third-party libraries built in, so the release
# carries no DLLs beyond Qt's own. The Debian tarball lacks the tablet library's
# headers (removed for their licence); the program takes no tablet input.
# Direct2D stays: Qt 6.4.2 builds the DirectWrite font database, which the
# Windows plugin links, into Qt Gui only together with it.
QT_OPTIONEN=(
  -xplatform win32-g++ -qt-host-path /usr -release -shared
  -nomake tests -nomake examples
  -no-opengl -no-dbus -no-icu
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-xml
  -no-feature-tabletevent
  -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype
)

PAKETE=(
  cmake ninja-build ccache curl xz-utils zip unzip
  g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool x11-apps netpbm
  qt6-base-dev libgl-dev qt6-translations-l10n googletest
  fonts-dejavu-core fonts-liberation2
)

zeit() {
  local s=$1
  printf '%d:%02d' $((s / 60)) $((s % 60))
}
zeiten=()
stufe() {
  local name=$1 start=$SECONDS
  printf '\n=== Windows: %s (%s) ===\n' "$name" "$(date +%T)"
  "stufe_$name"
  zeiten+=("$(printf '%-10s %s' "$name" "$(zeit $((SECONDS - start)))")")
}

stufe_packages() {
  local fehlend=() paket
  for paket in "${PAKETE[@]}"; do
    dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$paket")
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0
  local als_root=()
  [ "$(id -u)" -ne 0 ] && als_root=(sudo)
  echo "Installing: ${fehlend[*]}"
  "${als_root[@]}" apt-get update -qq
  # sudo drops the caller's environment; env hands the variable on inside it.
  "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

# The archive addresses apt is configured with, deb822 files first.
archive() {
  {
    awk 'tolower($1) == "uris:" { for (i = 2; i <= NF; i++) print $i }' \
      /etc/apt/sources.list.d/*.sources 2>/dev/null || true
    grep -h '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      sed -E 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+).*/\2/' || true
  } | grep -E '^(https?|ftp|file)://' | sed 's:/*$::' | awk '!gesehen[$0]++'
}

qt_tarball() {
  local ziel=$CACHE/downloads/$QT_TARBALL adresse
  mkdir -p "$CACHE/downloads"
  if [ -f "$ziel" ] && echo "$QT_SHA256  $ziel" | sha256sum -c --quiet - 2>/dev/null; then
    return 0
  fi
  for adresse in $(archive); do
    echo "Fetching $QT_TARBALL from $adresse" >&2
    if curl -fsSL --retry 3 -o "$ziel.teil" "$adresse/pool/main/q/qt6-base/$QT_TARBALL" &&
      echo "$QT_SHA256  $ziel.teil" | sha256sum -c --quiet -; then
      mv "$ziel.teil" "$ziel"
      return 0
    fi
    rm -f "$ziel.teil"
  done
  echo "windows.sh: no archive apt knows offers $QT_TARBALL with the expected checksum" >&2
  return 1
}

# The cache folder's name changes with everything that shapes the build.
qt_schluessel() {
  {
    echo "$QT_SHA256"
    printf '%s\n' "${QT_OPTIONEN[@]}"
    cat "$TOOLCHAIN"
    "$TRIPLE-g++-posix" --version | head -1
  } | sha256sum | cut -c1-12
}

qt_ort() {
  [ -n "${QT:-}" ] || QT=$CACHE/qt-$QT_VERSION-mingw-$(qt_schluessel)
}

stufe_qt() {
  qt_ort
  if [ -f "$QT/.fertig" ]; then
    echo "Qt for Windows from the cache: $QT"
    qt_zuschreibungen
    qt_uebersetzungen
    return 0
  fi
  local arbeit=$CACHE/bau-qt-$(basename "$QT")
  # An interrupted build with these options goes on where it stopped; anything
  # else starts from the tarball.
  if [ -f "$arbeit/build/build.ninja" ]; then
    echo "Resuming the interrupted Qt build in $arbeit"
  else
    qt_tarball
    rm -rf "$arbeit" "$QT"
    mkdir -p "$arbeit/build" "$QT"
    # Qt's own toolchain file loads this one by its path, so the cache keeps its
    # own copy and outlives the clone it was built from.
    cp "$TOOLCHAIN" "$QT/mingw-w64.cmake"
    echo "Building Qt base $QT_VERSION for Windows into $QT (once; about half an hour on two cores)"
    tar -xJf "$CACHE/downloads/$QT_TARBALL" -C "$arbeit"
    (cd "$arbeit/build" &&
      nice "$arbeit/qtbase-everywhere-src-$QT_VERSION/configure" -prefix "$QT" "${QT_OPTIONEN[@]}" \
        -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$QT/mingw-w64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1) ||
      { tail -50 "$arbeit/build/configure.log"; return 1; }
  fi
  (cd "$arbeit/build" &&
    { nice cmake --build . --parallel "$JOBS" >>build.log 2>&1 || { tail -80 build.log; exit 1; }; } &&
    { cmake --install . >install.log 2>&1 || { tail -30 install.log; exit 1; }; })
  qt_zuschreibungen
  qt_uebersetzungen
  # The prefix only counts once it is whole: a broken build is built again.
  touch "$QT/.fertig"
  rm -rf "$arbeit"
}

# Qt's attribution files name the third-party code built into its DLLs, each
# with the licence files it names; the release takes its licence list from
# them. Taken from the tarball, so a cache built without them gets them too.
qt_zuschreibungen() {
  local ziel=$QT/attributions wurzel=qtbase-everywhere-src-$QT_VERSION arbeit
  [ -f "$ziel/.fertig" ] && return 0
  qt_tarball
  arbeit=$(mktemp -d)
  tar -xJf "$CACHE/downloads/$QT_TARBALL" -C "$arbeit" --wildcards \
    "$wurzel/LICENSES/*" "$wurzel/src/*/qt_attribution.json"
  (cd "$arbeit" && find "$wurzel/src" -name qt_attribution.json | while read -r json; do
    sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$json" | while read -r datei; do
      realpath -m --relative-to=. "$(dirname "$json")/$datei"
    done
  done) | sort -u >"$arbeit/lizenzdateien"
  # A file the attribution names but Debian's tarball leaves out is missed here
  # and reported when a release would need it.
  tar -xJf "$CACHE/downloads/$QT_TARBALL" -C "$arbeit" -T "$arbeit/lizenzdateien" 2>/dev/null || true
  rm -rf "$ziel"
  mkdir -p "$ziel"
  cp -r "$arbeit/$wurzel/LICENSES" "$arbeit/$wurzel/src" "$ziel/"
  rm -rf "$arbeit"
  touch "$ziel/.fertig"
}

# A Qt base build makes no translations; Qt's own texts (the message boxes'
# buttons) come from Debian's, which are the same on every platform. In the
# prefix, the programs built and run here find them as the shipped ones do.
qt_uebersetzungen() {
  mkdir -p "$QT/translations"
  cp -u /usr/share/qt6/translations/qtbase_{de,en,fr}.qm "$QT/translations/"
}

GTEST_QUELLEN=/usr/src/googletest

gtest_ort() {
  local version schluessel
  version=$(sed -n 's/.*GOOGLETEST_VERSION \([0-9.]*\).*/\1/p' "$GTEST_QUELLEN/CMakeLists.txt")
  schluessel=$({
    cat "$TOOLCHAIN"
    "$TRIPLE-g++-posix" --version | head -1
  } | sha256sum | cut -c1-12)
  GTEST=$CACHE/googletest-$version-mingw-$schluessel
}

# GoogleTest as a static library for MinGW, from Debian's sources. Its own
# threading layer for Windows rather than winpthreads: a build with pthreads
# would hand the test programs a different mutex layout than its headers say.
stufe_googletest() {
  gtest_ort
  if [ -f "$GTEST/.fertig" ]; then
    echo "GoogleTest for Windows from the cache: $GTEST"
    return 0
  fi
  local arbeit=$CACHE/bau-googletest
  rm -rf "$arbeit" "$GTEST"
  cmake -S "$GTEST_QUELLEN" -B "$arbeit" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$GTEST" -DBUILD_SHARED_LIBS=OFF \
    -Dgtest_disable_pthreads=ON >/dev/null
  nice cmake --build "$arbeit" --parallel "$JOBS"
  cmake --install "$arbeit" >/dev/null
  touch "$GTEST/.fertig"
  rm -rf "$arbeit"
}

# A path of this machine as Wine's programs see it: drive Z: is the root.
windowspfad() {
  printf 'Z:%s' "${1//\//\\}"
}

# Wine quietly, without the .NET and browser installers, in a prefix of its
# own under the cache.
export WINEPREFIX=$CACHE/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

stufe_wine() {
  if [ ! -f "$WINEPREFIX/.fertig" ]; then
    rm -rf "$WINEPREFIX"
    # Its exit status reports things Wine can do without (32-bit support).
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.fertig"
  fi
  echo "Wine prefix: $WINEPREFIX ($(wine --version))"
}

# Wine's file dialog crashes for a user without a profile folder in the prefix;
# a user the walk pretends to be shares the profile of the prefix's own user.
wine_benutzer() {
  local benutzer=$WINEPREFIX/drive_c/users eigener
  eigener=$(find "$benutzer" -mindepth 1 -maxdepth 1 -type d ! -name Public -printf '%f\n' | head -1)
  [ -e "$benutzer/$1" ] || ln -s "$eigener" "$benutzer/$1"
}

# One virtual display and one Wine server for every Wine run of this script:
# with the server kept alive, each program starts in a fraction of a second.
anzeige_pid=
aufraeumen() {
  if [ -n "${klein:-}" ] && mountpoint -q "$klein"; then
    umount "$klein" || true
  fi
  if [ -n "${wine_laeuft:-}" ]; then
    wineserver -k 2>/dev/null || true
  fi
  if [ -n "$anzeige_pid" ]; then
    kill "$anzeige_pid" 2>/dev/null || true
  fi
}
trap aufraeumen EXIT

wine_bereit() {
  [ -n "${wine_laeuft:-}" ] && return 0
  [ -f "$WINEPREFIX/.fertig" ] || stufe_wine
  local nummer
  exec 3< <(
    Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>&1 >/dev/null 2>&1 &
    echo "pid $!"
    wait
  )
  read -r _ anzeige_pid <&3
  read -r nummer <&3
  export DISPLAY=:$nummer
  wineserver -p 2>/dev/null || true  # one may be running already
  wine_laeuft=1
  # Wine's background services start with the first program and keep its
  # output handles for as long as the server lives; started here, they hold
  # no pipe that a build or test run waits on to close.
  wineboot </dev/null >/dev/null 2>&1 || true
  qt_ort
  local laufzeit
  laufzeit=$(dirname "$("$TRIPLE-g++-posix" -print-file-name=libstdc++-6.dll)")
  # The Qt DLLs and the MinGW runtime, found by the programs run from the build.
  WINEPATH="$(windowspfad "$QT/bin");$(windowspfad "$laufzeit");$(windowspfad "/usr/$TRIPLE/lib")"
  export WINEPATH
}

# The test build and the three language builds compile the same core; with
# paths taken relative to the clone, ccache compiles it once for all four and
# keeps it for the next run.
export CCACHE_DIR=$CACHE/ccache CCACHE_BASEDIR=$quellen CCACHE_NOHASHDIR=1

# Configures one cross build with the cached Qt.
konfigurieren() {
  local ordner=$1
  shift
  "$QT/bin/qt-cmake" -S "$quellen" -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DMI_WERROR="${MI_WERROR:-OFF}" "$@" >/dev/null
}

fehlgeschlagen=()

# A 64 kB file system for the disk-full test, which cannot mount one itself
# from inside Wine; only root may mount, elsewhere that test says why it skips.
klein_mounten() {
  klein=$BUILD/klein
  mkdir -p "$klein"
  mountpoint -q "$klein" || mount -t tmpfs -o size=64k tmpfs "$klein" 2>/dev/null || return 0
  export MI_KLEINER_ORDNER
  MI_KLEINER_ORDNER=$(windowspfad "$klein")
}

# The skipped tests of the last run, each with the reason it gave.
uebersprungen() {
  awk '/^\[ RUN      \]/ { name = $4 }
       /: Skipped$/ { getline grund; printf "  skipped %s: %s\n", name, grund }' \
    "$1/Testing/Temporary/LastTest.log" | sort -u
}

# Every test program under Wine, on Qt's offscreen platform as on Linux. That
# platform draws with FreeType from a font folder, given the fonts the Linux
# tests see. Wine hands Qt's variables on only with the prefix WINE.
stufe_tests() {
  wine_bereit
  gtest_ort
  local build=$BUILD/tests schriften=$BUILD/schriften
  mkdir -p "$schriften"
  ln -sf /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation2/*.ttf "$schriften/"
  konfigurieren "$build" -DSPRACHE=EN -DMI_TESTS=ON -DMI_BENCH=OFF \
    -DGTest_DIR="$GTEST/lib/cmake/GTest" -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
  nice cmake --build "$build" --parallel "$JOBS"
  klein_mounten
  if ! WINEQT_QPA_FONTDIR=$(windowspfad "$schriften") \
    ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$JOBS"; then
    fehlgeschlagen+=("tests")
  fi
  uebersprungen "$build"
}

# The program and the walk-through in each language, the walk on the real
# Windows platform and style, finding its planner copy once through
# ProgramFiles and once through PUBLIC's VirtualStore.
stufe_languages() {
  wine_bereit
  local sprache build weg
  for sprache in EN DE FR; do
    build=$BUILD/${sprache,,}
    konfigurieren "$build" -DSPRACHE="$sprache" -DMI_TESTS=OFF -DMI_BENCH=OFF
    nice cmake --build "$build" --parallel "$JOBS" --target MitarbeiterImport rundgang demo
    for weg in ProgramFiles PUBLIC; do
      if ! timeout 300 wine "$build/rundgang.exe" --found-through "$weg"; then
        fehlgeschlagen+=("walk $sprache $weg")
      fi
    done
  done
}

stufe_release() {
  wine_bereit
  local sprache
  for sprache in EN DE FR; do
    paket "$sprache"
  done
  ls -l "$BUILD/release"/*.zip
}

# Qt's attribution files for what the shipped DLLs hold: Qt Core, Gui and
# Widgets and the third-party code compiled into them. Not shipped, so not
# listed: the JPEG plugin (libjpeg), OpenGL, Vulkan, networking, D-Bus and the
# parts for other systems.
QT_ZUSCHREIBUNGEN=(
  src/corelib/text src/corelib/tools src/gui/painting src/gui/text
  src/3rdparty/zlib src/3rdparty/pcre2 src/3rdparty/double-conversion
  src/3rdparty/libpng src/3rdparty/harfbuzz-ng src/3rdparty/freetype src/3rdparty/md4c
  src/3rdparty/md4 src/3rdparty/md5 src/3rdparty/sha1 src/3rdparty/sha3 src/3rdparty/rfc6234
  src/3rdparty/blake2 src/3rdparty/tinycbor src/3rdparty/easing src/3rdparty/icc
)

lizenzen() {
  local ziel=$1/licences teil datei quelle
  mkdir -p "$ziel/Qt" "$ziel/third-party" "$ziel/MinGW"
  cp "$QT/attributions/LICENSES/LGPL-3.0-only.txt" "$QT/attributions/LICENSES/GPL-3.0-only.txt" "$ziel/Qt/"
  for teil in "${QT_ZUSCHREIBUNGEN[@]}"; do
    quelle=$QT/attributions/$teil
    mkdir -p "$ziel/third-party/$teil"
    cp "$quelle/qt_attribution.json" "$ziel/third-party/$teil/"
    sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$quelle/qt_attribution.json" | sort -u |
      while read -r datei; do
        cp "$quelle/$datei" "$ziel/third-party/$teil/" ||
          { echo "windows.sh: licence file $teil/$datei missing" >&2; exit 1; }
      done
  done
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$ziel/MinGW/gcc-runtime-copyright.txt"
  cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$ziel/MinGW/mingw-w64-copyright.txt"
  local gcc mingw uebersetzungen
  gcc=$(dpkg-query -W -f='${source:Package} ${source:Version}' gcc-mingw-w64-x86-64-posix-runtime)
  mingw=$(dpkg-query -W -f='${source:Package} ${source:Version}' mingw-w64-x86-64-dev)
  uebersetzungen=$(dpkg-query -W -f='${source:Package} ${source:Version}' qt6-translations-l10n)
  {
    cat <<TEXT
Licences of the parts shipped with MitarbeiterImport
=====================================================

Qt $QT_VERSION (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms\\qwindows.dll,
styles\\qwindowsvistastyle.dll): GNU Lesser General Public License v3
(Qt\\LGPL-3.0-only.txt, which builds on Qt\\GPL-3.0-only.txt). The libraries
are linked dynamically and may be replaced by other builds of Qt $QT_VERSION.
Source: Debian's source package qt6-base, file $QT_TARBALL
(SHA-256 $QT_SHA256), unchanged, in the Debian archive under
pool/main/q/qt6-base/. Built with MinGW-w64 and these configure options:
  ${QT_OPTIONEN[*]}

Third-party code built into the Qt libraries, each in third-party\\<folder>
with Qt's attribution file (qt_attribution.json: name, version, licence,
copyright) and its licence text; their sources are in the same Qt tarball
under the folder named:
TEXT
    for teil in "${QT_ZUSCHREIBUNGEN[@]}"; do
      printf '  %-32s %s\n' "$teil" \
        "$(sed -n 's/.*"Name": *"\([^"]*\)".*/\1/p' "$QT/attributions/$teil/qt_attribution.json" | paste -sd ';' | sed 's/;/; /g')"
    done
    cat <<TEXT

Qt's translations (translations\\qtbase_*.qm): from Debian's package
qt6-translations-l10n, source package $uebersetzungen; licence as Qt's above.

MinGW-w64 runtime (libstdc++-6.dll, libgcc_s_seh-1.dll): GNU General Public
License v3 with the GCC Runtime Library Exception, which permits shipping them
with any program; text in MinGW\\gcc-runtime-copyright.txt. Source: Debian's
source package $gcc.

MinGW-w64 threads (libwinpthread-1.dll): MIT (expat) and BSD licences; text
in MinGW\\mingw-w64-copyright.txt. Source: Debian's source package $mingw.
TEXT
  } | sed 's/$/\r/' >"$ziel/README.txt"
}

# One language's zip: the program, the Qt DLLs and plugins it needs, Qt's
# translation for its language, the MinGW runtime, a read-me and the licences.
paket() {
  local sprache=$1 build=$BUILD/${1,,} version name ordner dll laufzeit
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  name=MitarbeiterImport-$version-$sprache-windows-x64
  ordner=$BUILD/release/$name
  rm -rf "$ordner" "$ordner.zip"
  mkdir -p "$ordner/platforms" "$ordner/styles" "$ordner/translations"
  cp "$build/MitarbeiterImport.exe" "$ordner/"
  cp "$QT/bin/Qt6Core.dll" "$QT/bin/Qt6Gui.dll" "$QT/bin/Qt6Widgets.dll" "$ordner/"
  cp "$QT/plugins/platforms/qwindows.dll" "$ordner/platforms/"
  cp "$QT/plugins/styles/qwindowsvistastyle.dll" "$ordner/styles/"
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$("$TRIPLE-g++-posix" -print-file-name="$dll")" "$ordner/"
  done
  find "$ordner" -name '*.exe' -o -name '*.dll' | xargs "$TRIPLE-strip" --strip-unneeded
  cp "/usr/share/qt6/translations/qtbase_${sprache,,}.qm" "$ordner/translations/"
  sed 's/$/\r/' "$quellen/packaging/windows/qt.conf" >"$ordner/qt.conf"
  # With a byte order mark, so every Notepad reads it as UTF-8.
  { printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/; s/\$/\r/" "$quellen/packaging/windows/README-$sprache.txt"; } \
    >"$ordner/$(lesemich "$sprache")"
  lizenzen "$ordner"
  # The same bytes from the same sources: every file dated by the last commit.
  find "$ordner" -exec touch -h -d "@$(git -C "$quellen" log -1 --format=%ct)" {} +
  (cd "$BUILD/release" && find "$name" | LC_ALL=C sort | zip -q -X -9 "$name.zip" -@)
  probe "$sprache" "$ordner.zip"
}

# The zip as a planner's PC gets it: unpacked into a fresh folder on drive C:,
# with nothing of the build on Wine's search path. The walk-through runs from
# there on the zip's own DLLs and plugins; then the program itself starts on
# the demo planner, found through PUBLIC's VirtualStore, and its window is
# photographed.
probe() {
  local sprache=$1 zip=$2 ziel=$WINEPREFIX/drive_c/Probe-$1 store fenster
  rm -rf "$ziel"
  mkdir -p "$ziel"
  unzip -q "$zip" -d "$ziel"
  ziel=$(echo "$ziel"/*)
  cp "$BUILD/${sprache,,}/rundgang.exe" "$ziel/"
  if ! (cd "$ziel" && WINEPATH= timeout 300 wine ./rundgang.exe --found-through PUBLIC); then
    fehlgeschlagen+=("walk from the unpacked zip $sprache")
  fi
  rm "$ziel/rundgang.exe"

  store="$WINEPREFIX/drive_c/users/Public/AppData/Local/VirtualStore/Program Files/Velmora"
  mkdir -p "$store"
  cp "$BUILD/${sprache,,}/demo/Program Files/Velmora/Velmont.dat" "$store/"
  wine_benutzer demo
  (cd "$ziel" && exec env WINEPATH= USER=demo USERNAME=demo wine ./MitarbeiterImport.exe) &
  local programm=$!
  if fenster=$(timeout 60 xdotool search --sync --onlyvisible --classname mitarbeiterimport.exe | head -1) &&
    [ -n "$fenster" ]; then
    sleep 2
    echo "$sprache: unpacked program shows \"$(xdotool getwindowname "$fenster")\""
    xwd -silent -id "$fenster" | xwdtopnm 2>/dev/null | pnmtopng >"$BUILD/release/$(basename "$ziel").png"
  else
    fehlgeschlagen+=("start from the unpacked zip $sprache")
  fi
  kill "$programm" 2>/dev/null || true
  wait "$programm" 2>/dev/null || true
  rm -rf "$store" "$WINEPREFIX/drive_c/Probe-$sprache"
}

lesemich() {
  case $1 in
    DE) echo LIESMICH.txt ;;
    FR) echo LISEZMOI.txt ;;
    *) echo README.txt ;;
  esac
}

stufen=(packages qt googletest wine tests languages release)
[ $# -gt 0 ] && stufen=("$@")
gesamt=$SECONDS
for s in "${stufen[@]}"; do
  declare -F "stufe_$s" >/dev/null || { echo "windows.sh: unknown stage '$s'" >&2; exit 2; }
  stufe "$s"
done
printf '\nWindows stage times:\n'
printf '  %s\n' "${zeiten[@]}"
printf '  %-10s %s\n' total "$(zeit $((SECONDS - gesamt)))"
if [ ${#fehlgeschlagen[@]} -gt 0 ]; then
  printf 'Failed under Wine: %s\n' "${fehlgeschlagen[@]}" >&2
  exit 1
fi

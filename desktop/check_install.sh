#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop files there.
#   check_install.sh <cmake> <build dir> <scratch prefix> <app id>
set -euo pipefail
cmake=$1 build=$2 prefix=$3 id=$4
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
metainfo=$share/metainfo/$id.metainfo.xml

test -x "$prefix/bin/ZembrikMD5"
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$metainfo"
# The version and the texts come from the version record, turned into UTF-8.
grep -q '<release version="1.0.0.1" date="' "$metainfo"
grep -q '<name xml:lang="zh_CN">ZembrikMD5检测程序</name>' "$metainfo"
grep -q '<binary>ZembrikMD5</binary>' "$metainfo"
icon=$share/icons/hicolor/32x32/apps/$id.png
if [ -e "$icon" ]; then
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG 32x32" ]
else
  echo "note: no icon installed yet" >&2
fi
echo "installed files validate"

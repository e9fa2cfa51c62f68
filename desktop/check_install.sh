#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop files there.
#   check_install.sh <cmake> <build dir> <scratch prefix> <app id> <window icon>
set -euo pipefail
cmake=$1 build=$2 prefix=$3 id=$4 window_icon=$5
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
[ "$(identify -format '%m %wx%h' "$icon")" = "PNG 32x32" ]
# The desktop shows the picture the window shows: same pixels, transparency included.
pixels() { convert "$1" -alpha on -depth 8 rgba:- | md5sum; }
[ "$(pixels "$icon")" = "$(pixels "$window_icon")" ] || { echo "installed icon differs from $window_icon" >&2; exit 1; }
echo "installed files validate"

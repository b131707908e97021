#!/bin/sh
# Copies a UTF-8 source file as GBK, so clang (which has no -fexec-charset)
# keeps the program's literals as GBK bytes. Comment characters outside GBK
# are transliterated. A trail byte 0x5C would read as a backslash inside a
# literal or at a comment's end, so such a character fails the build.
set -e
in="$1"
out="$2"
mkdir -p "$(dirname "$out")"
iconv -f UTF-8 -t GBK//TRANSLIT "$in" > "$out.tmp"
if ! perl -0777 -ne 'while (/\G([\x81-\xFE][\x40-\xFE]|[\x00-\xFF])/gs) { if (length($1) == 2 && substr($1, 1, 1) eq "\\") { exit 1 } } exit 0' "$out.tmp"; then
    echo "$in: a character's GBK trail byte is a backslash" >&2
    rm -f "$out.tmp"
    exit 1
fi
mv "$out.tmp" "$out"

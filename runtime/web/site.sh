#!/bin/sh
# SPDX-License-Identifier: MIT
# Completes the static site beside the linked page (index.html, index.js, index.wasm and the
# manifest): the script put inside the page, which then starts the program one request sooner;
# the icons; the program as a script, for the page opened from disk; and the service worker, its
# cache named by the hash of the files it keeps.
#   site.sh SITE_DIR WEB_SOURCE_DIR RESOURCES_DIR
set -eu
site=$1 web=$2 resources=$3
cd "$site"
tag='<script async type="text/javascript" src="index.js"></script>'
grep -q -F "$tag" index.html || { echo "site.sh: index.html does not load index.js" >&2; exit 1; }
grep -q -F '</script' index.js && { echo "site.sh: index.js cannot be put inside a page" >&2; exit 1; }
awk -v tag="$tag" '$0 == tag { printf "<script>"; while ((getline line < "index.js") > 0) print line
    print "</script>"; next } { print }' index.html >index.html.new
mv index.html.new index.html
rm index.js
cp "$resources/tenvex-32.png" "$resources/tenvex-256.png" .
printf 'Module.wasmBase64 = "%s";\n' "$(base64 -w0 index.wasm)" >index.wasm.js
files="index.html index.wasm manifest.webmanifest tenvex-32.png tenvex-256.png"
# The names are fixed words, split on purpose.
# shellcheck disable=SC2086
hash=$(cat $files | sha256sum | cut -c1-16)
# shellcheck disable=SC2086
list=$(printf "'%s', " $files | sed 's/, $//')
sed -e "s/@TENVEX_SITE_HASH@/$hash/" -e "s/@TENVEX_SITE_FILES@/$list/" \
    "$web/service_worker.js" >service-worker.js

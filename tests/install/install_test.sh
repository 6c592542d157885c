# The installed suite hangs together: every menu entry starts an installed program with an
# installed icon, names a software-centre entry, and opens only file kinds the suite defines;
# and a lone file on the command line opens as a menu entry or file manager gives it.
#   install_test.sh BUILD_DIR
source "$(dirname "$0")/../support/cli_harness.sh" "$1/bin/brinkit"
build=$(realpath "$1")
check "install" 0 cmake --install "$build" --prefix "$work/prefix"
share=$work/prefix/share
for entry in "$share"/applications/*.desktop; do
  id=$(basename "$entry" .desktop)
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  check "$id starts an installed program" 0 test -x "$work/prefix/bin/$program"
  check "$id has its icon" 0 test -f "$share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$entry").svg"
  says "$id has its software-centre entry" "$share/metainfo/$id.metainfo.xml" "<launchable type=\"desktop-id\">$id.desktop<"
  for kind in $(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' '); do
    says "$id opens $kind" "$share/mime/packages/brinkit.xml" "type=\"$kind\""
  done
done
check "ten menu entries" 0 test "$(ls "$share"/applications/*.desktop | wc -l)" -eq 10

check "sample tank" 0 "$brinkit" samples wtk tank.wtk
check "a lone file" 0 env QT_QPA_PLATFORM=offscreen "$build/bin/netkeeper2" --describe tank.wtk
says "a lone file's folder is open" out.txt "\"text\": \"$work\""
finish

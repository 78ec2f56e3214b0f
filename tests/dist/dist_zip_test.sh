#!/usr/bin/env bash
# The dist zip, read as a teacher's unzip reads it: it holds exactly the files
# the build ships into the program folder, and its program starts under Wine
# from an unpacked copy in a folder whose name has blanks and brackets.
# Usage: dist_zip_test.sh ZIP SHIPPED_LIST WINE_RUNNER CHECKER WORK_FOLDER
set -euo pipefail
zip=${1:?zip} shipped=${2:?list of shipped files} runner=${3:?wine runner} checker=${4:?checker} work=${5:?work folder}

failed=0
fail() { echo "FAILED: $*"; failed=1; }

[ -f "$zip" ] || { echo "FAILED: no $zip: build the dist target"; exit 1; }
unzip -tqq "$zip" || fail "unzip finds $zip damaged"

in_zip=$(unzip -Z1 "$zip" | sort)
expected=$(sort -u "$shipped")
strays=$(comm -23 <(echo "$in_zip") <(echo "$expected"))
missing=$(comm -13 <(echo "$in_zip") <(echo "$expected"))
[ -z "$strays" ] || fail "in the zip but not shipped (a test's file left in the program folder, or a file the build writes there without brevane_ship/brevane_ship_file):" $strays
[ -z "$missing" ] || fail "shipped but not in the zip:" $missing

# What a Windows install cannot do without, whatever else ships beside it.
for name in Brevane.exe Olvaris.dll Tessaly.dll Morvena.dll Dunmere.dll Parvell.dll Zephrane.dll \
            manual.chm Parvell.chm chemical.cdb README.txt; do
    grep -qxF "$name" <<<"$expected" || fail "$name is not shipped"
done
unzip -p "$zip" README.txt | grep -q $'\r$' || fail "README.txt has no Windows line ends"

folder="$work/Program Files (x86)/Brevane"
rm -rf "$work"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
# Under Wine the host's root is drive Z:.
windows_folder="Z:${folder//\//\\}"
"$runner" "$checker" --gtest_color=no "$windows_folder" || fail "the unpacked program (see above)"
[ $failed -eq 0 ] && rm -rf "$work"
exit $failed

#!/usr/bin/env bash
# Retakes the user guide's screenshots (doc/images/*.png) from the real program, driven by the
# keyboard only, under a virtual screen (Xvfb) with a window manager (openbox) so that the
# windows have their title bars and take the focus as on a desktop.
# usage: tools/screenshots.sh [BUILD_DIR]   (make screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$root/doc/images
pause=${SCREENSHOT_PAUSE:-1.2}  # seconds a window gets to draw after a key

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The program runs from a folder of its own, so its settings file is a made-up user's and the
# build tree's stays as it was; the samples sit beside it, where files named without a
# folder are looked up.
mkdir -p "$work/program" "$out"
cp "$build/pecunex" "$build/pnxuse33.html" "$root"/samples/* "$work/program/"
printf '"$",0,"Ann Example"\r\n' >"$work/program/Personal.kpf"
# A household's budget and its bank's March, for Budget vs Actual.
printf '1\r\n1,"Salary",52000,26,52000\r\n2\r\n1,"Rent",14400,12,14400\r\n2,"Groceries",7800,52,7800\r\n' \
    >"$work/program/Household.Bgt"
printf '%s\n' Date,Description,Amount 2025-03-01,RENT\ MARCH,-1200.00 2025-03-03,SAFEWAY\ #1234,-143.20 \
    2025-03-05,CORNER\ COFFEE,-4.50 2025-03-07,ACME\ PAYROLL,2000.00 2025-03-10,SAFEWAY\ #1234,-161.85 \
    2025-03-17,SAFEWAY\ #0456,-152.40 2025-03-21,ACME\ PAYROLL,2000.00 2025-03-24,SAFEWAY\ #1234,-149.99 \
    2025-03-31,SAFEWAY\ #1234,-155.10 >"$work/program/March.csv"

# A free display: Xvfb writes the number it took.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
(cd "$work/program" && exec ./pecunex) >/dev/null 2>&1 &
pids+=($!)

container() { timeout 15 xdotool search --sync --onlyvisible --class pecunex | tail -1; }
key() {
    xdotool key --clearmodifiers "$@"
    sleep "$pause"
}
typed() {
    xdotool type --delay 30 -- "$1"
    sleep 0.3
}
# The container window, cut to the worksheet inside it (the background around it trimmed).
shot_worksheet() {
    import -window "$(container)" "$work/shot.png"
    convert "$work/shot.png" -trim +repage "$out/$1.png"
    echo "  $1.png"
}
# The dialog that has the focus, with its title bar.
shot_dialog() {
    import -frame -window "$(xdotool getactivewindow)" "$out/$1.png"
    echo "  $1.png"
}
# The container's whole frame with a dialog open over it, title bars included.
shot_screen() {
    import -window root -crop "$2+0+0" +repage "$out/$1.png"
    echo "  $1.png"
}
open_file() {
    key alt+o
    typed "$1"
    key Return
}

timeout 15 xdotool search --sync --name "Pecunex Menu" >/dev/null
window=$(container)
xdotool windowsize "$window" 740 560
xdotool windowactivate --sync "$window"
sleep "$pause"
echo "Screenshots into $out:"
shot_worksheet menu

# Mortgage: the sample file, calculated; its file dialog, graph and printout.
key alt+m
key alt+o
shot_dialog open-file  # before typing: the name's completion list is a window of its own
typed "Sample.umd"
key Return
key alt+c
shot_worksheet mortgage
key alt+s
shot_worksheet graph
key alt+3
shot_worksheet graph-3d
key alt+x
key alt+p
typed "Our house on Elm Street"
shot_screen print-header 740x560
key alt+p
typed "$work/mortgage.pdf"
key Return
pdftoppm -r 60 -f 1 -l 1 -png -singlefile "$work/mortgage.pdf" "$out/printout" && echo "  printout.png"
key alt+x

# Loan: the sample loan, yearly totals.
key alt+l
open_file "Sample.uld"
key alt+c
shot_worksheet loan
key alt+x

# Budget: the sample budget shown per month.
key alt+b
open_file "Sample.BGT"
shot_worksheet budget
key alt+x
key Escape  # no, the budget need not be saved

# Savings: typed plan, calculated, and its graph.
key alt+s
for field in 10000 2400; do typed "$field"; key Tab; done
key Tab  # the contribution stays yearly
for field in 6 3 2 20; do typed "$field"; key Tab; done
key alt+c
shot_worksheet savings
key alt+s
shot_worksheet savings-graph
key alt+x
key alt+x

# Savings goal: the monthly contribution for 500,000 in today's money, and its graph. Enter
# goes from field to field and passes over the contribution, the figure solved for.
key alt+g
key alt+t
typed "500000"
key Return Return  # in today's money, as it starts
typed "10000"
key Return
key Down Down      # monthly
key Return
for field in 7 2 2.5 25; do typed "$field"; key Return; done
key Return         # on Calculate
shot_worksheet goal
key alt+s
shot_worksheet goal-graph
key alt+x
key alt+x

# Net worth: the sample statement, calculated.
key alt+n
open_file "NetSampl.NWV"
key alt+c
shot_worksheet networth
key alt+x
key Escape

# Compare Loans: plan A as it opens, plan B the same loan at exact interest with an extra
# amount, a lump sum and a renewal, the sample mortgage opened into plan C; calculated, its
# graph, and the comparison printed.
key alt+c
key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
typed 250000
key Return Return Return Return Return Return Return
typed 100
key Return Up Return Return Return Return Return
typed "12:10000:s"
key Return
typed "60:4.5"
key Return
shot_worksheet compare-entries
key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
typed "Sample.umd"
key Return
key alt+c
shot_worksheet compare
key alt+g
shot_worksheet compare-graph
key alt+x
key Tab Home
key alt+p
typed "Three ways to pay for the house"
key alt+p
typed "$work/compare.pdf"
key Return
pdftoppm -r 60 -f 1 -l 1 -png -singlefile "$work/compare.pdf" "$out/compare-printout" &&
    echo "  compare-printout.png"
key alt+x
key Escape  # no, the plans need not be saved

# Net worth history: the sample statement and the same household a year later, in the summary
# and the lines views, and the graph of the net worth.
sed -e 's/"House",412000/"House",425000/' -e 's/"Car",18500/"Car",16000/' \
    -e 's/"Mortgage",268400/"Mortgage",259870.12/' \
    -e 's/"Cottage lot",65000,"Car loan",11200.75/"Cottage lot",65000,,/' \
    "$work/program/NetSampl.NWV" >"$work/program/NetSampl-2025.NWV"
key alt+t
for year in 2024 2025; do
    key alt+m
    typed "$([ $year = 2024 ] && echo NetSampl.NWV || echo NetSampl-2025.NWV)"
    key Return
    typed "$year-12-31"
    key Return         # the date taken, on to the label
    typed "Year end"
    key Return
done
shot_worksheet history
key alt+v
key Down           # the lines view
shot_worksheet history-lines
key alt+s
shot_worksheet history-graph
key alt+x
key alt+x
key Escape  # no, the history need not be saved
# Budget vs Actual: the household's budget held against its March; a rule for the pay made
# from the unmatched list, then what recurs proposed.
key alt+u
key alt+f
typed "Household.Bgt"
key Return
key alt+i
typed "March.csv"
key Return
key alt+n
key Down Down Down
key alt+c
key Up Up Up Up Up Up Up Up Home
key alt+g
key alt+e
shot_worksheet actual
key alt+x
key Escape  # no, the actuals need not be saved

# Settings and About.
key alt+z
shot_dialog personalize
key Escape
key alt+a
shot_dialog about
key Escape
key alt+x

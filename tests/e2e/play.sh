# Sourced by the end-to-end tests, whichever program they drive: a display of their own, the place
# of the window's client area on it, and the grid's cells read back from screenshots and clicked
# with the real pointer. The caller sets work (a scratch folder) and defines fail MESSAGE.

# A display of our own: Xvfb picks a free number and writes it to the pipe. Sets DISPLAY and xvfb.
start_display() {
    exec 3<> <(:)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    read -r -t 20 number <&3 || fail "Xvfb did not start"
    export DISPLAY=":$number"
}

# Where the client area of the X window with this id stands, and its size: sets left, top, width
# and height.
read_client_area() {
    local info
    info=$(xwininfo -id "$1")
    left=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    top=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
}

# The client area as a picture, written to the file.
shoot_client_area() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${width}x${height}+$left+$top" +repage "$1"
}

# The grid's top-left corner on the client area and the size of a cell, in pixels: at 96 dots per
# inch unless the caller says otherwise.
grid_left=8
grid_top=32
cell_size=20

# The colour of each cell just inside its border, clear of the caption: one line per cell index.
cell_colours() {
    shoot_client_area "$work/client.png"
    convert "$work/client.png" txt:- > "$work/pixels.txt"
    for n in $(seq 0 195); do
        echo "$((grid_left + (n / 14) * cell_size + 3)),$((grid_top + (n % 14) * cell_size + 3)):"
    done > "$work/centres.txt"
    awk 'NR == FNR { want[$1] = FNR; next } ($1 in want) { colour[want[$1]] = $3 }
         END { for (i = 1; i <= 196; i++) print colour[i] }' "$work/centres.txt" "$work/pixels.txt"
}

# How many lines of the input are exactly this colour.
count() { grep -c -x "$1" || true; }

# One click, or a double-click, of the left button at a point of the client area.
click_at() { xdotool mousemove --sync "$((left + $1))" "$((top + $2))" click 1; }
double_click_at() { xdotool mousemove --sync "$((left + $1))" "$((top + $2))" click --repeat 2 --delay 60 1; }

# Waits up to ten seconds for exactly N cells of the colour: the window repaints in its own time.
# Leaves the last reading in colours.
wait_for_cells() {
    for _ in $(seq 40); do
        colours=$(cell_colours)
        [ "$(count "$2" <<<"$colours")" = "$1" ] && return 0
        sleep 0.25
    done
    return 1
}

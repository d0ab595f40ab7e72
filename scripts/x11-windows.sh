# Finding and driving the program's windows on a virtual X screen, for the
# scripts that take screenshots (sourced, not run).
window() { xdotool search --onlyvisible --name "$1" | head -n 1; }
shown() { [ -n "$(window "$1")" ]; }
keys() { # to the window named $1
    xdotool windowfocus --sync "$(window "$1")"
    shift
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}

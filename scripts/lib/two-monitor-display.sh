# Sourced after virtual-display.sh: start_two_monitor_display and stop_two_monitor_display, an X
# display with two monitors side by side (1024x768 at 0,0 and 800x600 at 1024,0) for the
# scenarios about more than one.
#
# Xvfb's own Xinerama puts every screen at 0,0; a nested Xephyr with Xinerama lays its screens out
# in a row. It runs inside the display that DISPLAY names (start_virtual_display's Xvfb). Wine sees
# the two monitors only through Xinerama, so the prefix used on it needs UseXRandR=N
# (scripts/wine-prefix.sh --two-monitors).

# Starts Xephyr on the first free display from :150 and exports VR_TWO_MONITOR_DISPLAY.
start_two_monitor_display() {
  : "${DISPLAY:?start the virtual display first: Xephyr runs inside it}"
  if ! start_x_server 150 Xephyr +xinerama -screen 1024x768 -screen 800x600 -nolisten tcp -ac; then
    echo "could not start Xephyr with two monitors" >&2
    return 1
  fi
  VR_XEPHYR_PID=$VR_X_PID
  export VR_TWO_MONITOR_DISPLAY=$VR_X_DISPLAY
}

stop_two_monitor_display() { stop_x_server VR_XEPHYR_PID; }

#!/usr/bin/python3
"""Close the game's window as a window manager's close button does (WM_DELETE_WINDOW), so it saves
and leaves as it does for a player; a signal would kill it unsaved.

Usage: close_window.py TITLE-PREFIX SECONDS. Asks the shown window whose title starts with
TITLE-PREFIX, again each second (a request made while the window is still being set up can be
lost), and exits 0 once it has gone, 1 if that does not happen within SECONDS."""
import sys
import time

from Xlib import X, display
from Xlib.protocol import event

d = display.Display()
wm_protocols, wm_delete = d.intern_atom('WM_PROTOCOLS'), d.intern_atom('WM_DELETE_WINDOW')
asked = False
for tick in range(int(sys.argv[2]) * 10):
    shown = [w for w in d.screen().root.query_tree().children
             if w.get_attributes().map_state == X.IsViewable
             and (w.get_wm_name() or '').startswith(sys.argv[1])]
    if asked and not shown:
        sys.exit(0)
    if shown and tick % 10 == 0:
        shown[0].send_event(event.ClientMessage(window=shown[0], client_type=wm_protocols,
                                                data=(32, [wm_delete, X.CurrentTime, 0, 0, 0])))
        d.flush()
        asked = True
    time.sleep(0.1)
sys.exit('close_window.py: no window titled %r... appeared and went' % sys.argv[1])

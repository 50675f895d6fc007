# SPDX-License-Identifier: MIT
"""Runs Orca, the screen reader, with its debug output written out as it goes, so that a test
reads what it has said so far (Orca otherwise holds it back until it exits).
  orca_logged.py LOG [ORCA OPTIONS...]"""
import sys
import threading
import time


def flush_the_log():
    while True:
        time.sleep(0.2)
        debug = sys.modules.get("orca.debug")
        if debug is not None and debug.debugFile:
            debug.debugFile.flush()


threading.Thread(target=flush_the_log, daemon=True).start()
sys.argv = ["/usr/bin/orca", f"--debug-file={sys.argv[1]}", *sys.argv[2:]]
with open("/usr/bin/orca", encoding="utf-8") as orca:
    exec(compile(orca.read(), "/usr/bin/orca", "exec"))

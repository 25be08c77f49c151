"""The end-to-end test kit: the real program under Wine, real keys from xdotool."""
from .case import EndToEndTest
from .env import (ANSI, ansi, artifacts_dir, from_ansi, program_dir, repo_root, testtools_dir,
                  wine, wine_prefix, windows_dir, windows_path)
from .program import UNCHANGED, Program, copy_program_dir
from .screenshot import screenshot
from .settings_file import parse_ini, read_settings, render_ini, settings_path, write_settings
from .target import Target
from .waiting import wait_until
from .windows import Window, message_boxes, top_windows, wait_for_window
from .wintool import WinTool, WinToolError
from . import ids, xinput

__all__ = [
    "ANSI", "UNCHANGED", "EndToEndTest", "Program", "Target", "Window", "WinTool", "WinToolError",
    "ansi", "artifacts_dir", "copy_program_dir", "from_ansi", "ids", "message_boxes", "parse_ini",
    "program_dir", "read_settings", "render_ini", "repo_root", "screenshot", "settings_path",
    "testtools_dir", "top_windows", "wait_for_window", "wait_until", "windows_dir",
    "windows_path", "wine", "wine_prefix", "write_settings", "xinput",
]

"""Pictures of the test display, kept in artifacts/ for whoever looks into a failure."""
import re
import subprocess

from . import env


def screenshot(name: str, window=None):
    """Saves artifacts/<name>.png of the whole display, or of one window's rectangle.

    Returns the path. A picture is a diagnostic: failing to take one raises nothing.
    """
    safe = re.sub(r"[^A-Za-z0-9_.-]+", "_", name)
    path = env.artifacts_dir() / f"{safe}.png"
    command = ["import", "-window", "root"]
    if window is not None:
        try:
            left, top, width, height = window.bounds()
            command += ["-crop", f"{width}x{height}+{max(left, 0)}+{max(top, 0)}", "+repage"]
        except AssertionError:
            pass  # the window is gone: take the whole display
    try:
        subprocess.run([*command, str(path)], capture_output=True, timeout=30, env=env.process_env())
    except (OSError, subprocess.SubprocessError):
        return None
    return path if path.exists() else None

"""Where everything is: the repository, the program, the test tools, the Wine prefix.

Paths come from the environment that scripts/lib/env.sh sets up, with the repository's
defaults when a variable is not set. `require_*` fail loudly, naming what is missing: an
end-to-end test must never pass or skip for lack of its surroundings.
"""
import os
import shutil
from pathlib import Path, PureWindowsPath

# The Windows ANSI code page of the test prefix; every text the program handles is bytes in it.
ANSI = "cp1252"

PROGRAM_FILES = ("Wordsnap.exe", "WDSN95HK.DLL", "cueview.exe", "WORDSNAP.DOC", "WORDSNAP.HTM")
TOOL_FILES = ("wintool.exe", "snaptarget.exe")


def repo_root() -> Path:
    return Path(__file__).resolve().parents[3]


def build_dir() -> Path:
    return Path(os.environ.get("WORDSNAP_BUILD", repo_root() / "build"))


def program_dir() -> Path:
    """The built program directory (the kit runs the program from a copy of it)."""
    return Path(os.environ.get("WORDSNAP_PROGRAM_DIR", build_dir() / "win64" / "Wordsnap"))


def testtools_dir() -> Path:
    return Path(os.environ.get("WORDSNAP_TESTTOOLS_DIR", build_dir() / "win64" / "testtools"))


def artifacts_dir() -> Path:
    path = repo_root() / "artifacts"
    path.mkdir(parents=True, exist_ok=True)
    return path


def wine_prefix() -> Path:
    value = os.environ.get("WINEPREFIX")
    if not value:
        raise RuntimeError("WINEPREFIX is not set (source scripts/lib/env.sh, or run scripts/test)")
    return Path(value)


def second_wine_prefix() -> Path:
    """A second Wine prefix: another computer on the same display and the same files,
    with a Wine server, a registry and a Windows directory of its own."""
    value = os.environ.get("WORDSNAP_SECOND_WINEPREFIX")
    missing = []
    if not value:
        missing.append("WORDSNAP_SECOND_WINEPREFIX is not set (source scripts/lib/env.sh)")
    elif not (Path(value) / "drive_c" / "windows").is_dir():
        missing.append(f"the second Wine prefix {value} is not set up (wordsnap_ensure_prefix)")
    _fail_if(missing)
    return Path(value)


def windows_dir(prefix=None) -> Path:
    """The prefix's Windows directory, home of the settings file."""
    return Path(prefix or wine_prefix()) / "drive_c" / "windows"


def wine() -> str:
    candidates = [os.environ.get("WORDSNAP_WINE"), "/usr/lib/wine/wine64",
                  shutil.which("wine64"), shutil.which("wine")]
    for candidate in candidates:
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    raise RuntimeError("no Wine found (WORDSNAP_WINE, /usr/lib/wine/wine64, wine64, wine)")


def wineserver() -> str:
    return str(Path(wine()).with_name("wineserver"))


def process_env(prefix=None) -> dict:
    """The environment for every process the kit starts: quiet Wine, no runtime downloads;
    in another Wine prefix than the usual one when `prefix` is given."""
    env = dict(os.environ)
    if prefix is not None:
        env["WINEPREFIX"] = str(prefix)
    env.setdefault("WINEDEBUG", "-all")
    env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")
    return env


def windows_path(path) -> str:
    """A Linux path as the program sees it through Wine's Z: drive (which maps /)."""
    absolute = Path(path).resolve()
    return str(PureWindowsPath("Z:\\", *absolute.parts[1:]))


def ansi(text) -> bytes:
    return text if isinstance(text, bytes) else text.encode(ANSI)


def from_ansi(data: bytes) -> str:
    # surrogateescape keeps the five bytes cp1252 leaves undefined, so nothing is lost.
    return data.decode(ANSI, errors="surrogateescape")


def require_display() -> None:
    missing = []
    if not os.environ.get("DISPLAY"):
        missing.append("DISPLAY is not set (scripts/test starts a private Xvfb)")
    prefix = os.environ.get("WINEPREFIX")
    if not prefix:
        missing.append("WINEPREFIX is not set (source scripts/lib/env.sh)")
    elif not (Path(prefix) / "drive_c" / "windows").is_dir():
        missing.append(f"the Wine prefix {prefix} is not set up (wordsnap_ensure_prefix)")
    for tool in ("xdotool", "import"):
        if not shutil.which(tool):
            missing.append(f"{tool} is not installed (scripts/setup)")
    try:
        wine()
    except RuntimeError as error:
        missing.append(str(error))
    _fail_if(missing)


def require_tools(*names) -> None:
    """Fails unless the test tools are built: these, or by default the kit's own."""
    _fail_if([f"{testtools_dir() / name} is missing (build the win64 preset)"
              for name in names or TOOL_FILES if not (testtools_dir() / name).is_file()])


def require_program() -> None:
    _fail_if([f"{program_dir() / name} is missing (build the win64 preset)"
              for name in PROGRAM_FILES if not (program_dir() / name).is_file()])


def _fail_if(missing) -> None:
    if missing:
        raise RuntimeError("end-to-end tests cannot run:\n  " + "\n  ".join(missing))

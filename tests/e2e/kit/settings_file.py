"""The settings file as the tests see it: INI text in ANSI, sections and keys in file order."""
from . import env


def parse_ini(data: bytes) -> dict:
    """{section: {key: value}} in file order. Keys keep their spelling; values are exact
    (nothing stripped after '='). A repeated key keeps its first value, as the profile
    functions read it."""
    sections = {}
    current = None
    for raw in env.from_ansi(data).splitlines():
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
            continue
        key, sep, value = raw.partition("=")
        if current is None or not sep:
            continue
        current.setdefault(key.strip(), value)
    return sections


def render_ini(sections: dict) -> bytes:
    """INI text (CRLF lines) of {section: {key: value}}."""
    lines = []
    for section, keys in sections.items():
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in keys.items())
        lines.append("")
    return env.ansi("\r\n".join(lines))


def settings_path(prefix=None):
    """The settings file of the usual Wine prefix, or of `prefix`."""
    return env.windows_dir(prefix) / "WORDSNAP.INI"


def write_settings(content, prefix=None) -> None:
    """Writes the settings file: bytes or str as they are, a dict rendered as INI; None removes it."""
    path = settings_path(prefix)
    if content is None:
        path.unlink(missing_ok=True)
        return
    if isinstance(content, dict):
        content = render_ini(content)
    path.write_bytes(env.ansi(content))


def read_settings(prefix=None) -> dict:
    """The settings file parsed (see parse_ini); AssertionError when there is none."""
    path = settings_path(prefix)
    if not path.exists():
        raise AssertionError(f"there is no settings file {path}")
    return parse_ini(path.read_bytes())

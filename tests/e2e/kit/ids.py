"""The program's resource identifiers (menu commands, dialog controls), read from its
headers under src/win: every `*_ids.h` and `resource.h`, wherever they sit below that
folder. Read once, on first use; the tests name identifiers, never their numbers:

    from tests.e2e.kit import ids
    editor.child(control_id=ids.IDC_HKMOD_ORIGKEYS)

A header line counts when it is `#define NAME value` or `[inline] constexpr TYPE NAME =
value;`, where value is a number (decimal or hex), a name defined before it, or such a
name plus or minus a number, optionally in parentheses.
"""
import functools
import re
from pathlib import Path

from . import env

_DEFINE = re.compile(r"^\s*#\s*define\s+([A-Za-z_]\w*)\s+(.+?)\s*$")
_CONSTEXPR = re.compile(r"^\s*(?:inline\s+|static\s+)*constexpr\s+[\w:]+\s+([A-Za-z_]\w*)\s*(?:=\s*|\{)(.+?)\}?\s*;")
_VALUE = re.compile(r"^\(?\s*(?:([A-Za-z_]\w*)|(0[xX][0-9A-Fa-f]+|\d+))\s*(?:([+-])\s*(0[xX][0-9A-Fa-f]+|\d+))?\s*\)?$")


def headers(root=None) -> list:
    """The identifier headers under src/win of `root` (the repository by default)."""
    folder = Path(root or env.repo_root()) / "src" / "win"
    found = sorted(p for p in folder.rglob("*.h") if p.name.endswith("_ids.h") or p.name == "resource.h")
    if not found:
        raise RuntimeError(f"no *_ids.h or resource.h under {folder}")
    return found


def parse(paths) -> dict:
    """{name: value} of the identifiers defined in these headers. The same name with two
    different values is an error."""
    values, where = {}, {}
    for path in paths:
        for number, line in enumerate(Path(path).read_text(encoding="latin-1").splitlines(), 1):
            line = line.split("//")[0]
            match = _DEFINE.match(line) or _CONSTEXPR.match(line)
            if not match:
                continue
            name, text = match.groups()
            value = _evaluate(text.strip(), values)
            if value is None:
                continue
            here = f"{Path(path).name}:{number}"
            if name in values and values[name] != value:
                raise RuntimeError(f"{name} is {values[name]} in {where[name]} but {value} in {here}")
            values[name], where[name] = value, here
    return values


def _evaluate(text: str, known: dict):
    match = _VALUE.match(text)
    if not match:
        return None
    name, number, sign, offset = match.groups()
    if name is not None:
        if name not in known:
            return None
        value = known[name]
    else:
        value = _number(number)
    if sign:
        value += _number(offset) if sign == "+" else -_number(offset)
    return value


def _number(text: str) -> int:
    if text[:2].lower() == "0x":
        return int(text, 16)
    return int(text, 8) if len(text) > 1 and text.startswith("0") else int(text)


@functools.lru_cache(maxsize=None)
def all_ids() -> dict:
    return parse(headers())


def __getattr__(name: str) -> int:
    if name.startswith("__"):
        raise AttributeError(name)
    try:
        return all_ids()[name]
    except KeyError:
        raise AttributeError(f"no identifier {name} in {', '.join(p.name for p in headers())}") from None

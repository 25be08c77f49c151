"""Values of the test prefix's registry, read and written with Wine's own reg tool."""
import re
import subprocess

from . import env

REG_TIMEOUT = 60


def _reg(*args, prefix=None) -> subprocess.CompletedProcess:
    return subprocess.run([env.wine(), "reg", *args], capture_output=True, timeout=REG_TIMEOUT,
                          env=env.process_env(prefix))


def read_dword(key: str, name: str, prefix=None):
    """The DWORD value `name` under `key` (e.g. r"HKCU\\Control Panel\\Desktop"), or None
    when there is none."""
    result = _reg("query", key, "/v", name, prefix=prefix)
    if result.returncode != 0:
        return None
    found = re.search(rb"\b" + re.escape(name.encode()) + rb"\s+REG_DWORD\s+0x([0-9a-fA-F]+)", result.stdout)
    return int(found.group(1), 16) if found else None


def write_dword(key: str, name: str, value: int, prefix=None) -> None:
    result = _reg("add", key, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f", prefix=prefix)
    if result.returncode != 0:
        raise AssertionError(f"reg add {key} {name}={value} failed: {result.stderr.decode(errors='replace')}")
    if read_dword(key, name, prefix=prefix) != value:
        raise AssertionError(f"{key} {name} does not read back as {value}")


def delete_value(key: str, name: str, prefix=None) -> None:
    _reg("delete", key, "/v", name, "/f", prefix=prefix)  # absent already: nothing to do


def restore_dword(key: str, name: str, value, prefix=None) -> None:
    """Puts back what read_dword gave: the value, or no value at all."""
    if value is None:
        delete_value(key, name, prefix=prefix)
    else:
        write_dword(key, name, value, prefix=prefix)

"""Data files for end-to-end tests: 3039-byte Wordsnap records, built field by field, and
the 14-byte sync file beside a shared data file."""
import struct
from pathlib import Path

RECORD_SIZE = 3039
SYNC_SIZE = 14
LOCK_HELD = 1
LOCK_FREE = 2


def record(name: bytes, text: bytes, active: bool = True, prefix: bytes = b"", clipboard: bool = False,
           case_rule: int = 3, key_delay: int = 0) -> bytes:
    """One record; `name` at most 10 bytes, `text` at most 3000, `prefix` at most 2."""
    data = bytearray(RECORD_SIZE)
    data[0] = len(prefix)
    data[1:1 + len(prefix)] = prefix
    data[3] = len(name)
    data[4:4 + len(name)] = name
    data[14] = 1 if active else 0
    data[17:17 + len(text)] = text  # the NUL after it is already there
    data[3018] = 1 if clipboard else 0
    struct.pack_into("<hH", data, 3019, case_rule, key_delay)
    return bytes(data)


def data_file(*records: bytes) -> bytes:
    return b"".join(records)


def parse(data: bytes) -> list:
    """(prefix, name, active, text) of every whole record."""
    out = []
    for at in range(0, len(data) - len(data) % RECORD_SIZE, RECORD_SIZE):
        r = data[at:at + RECORD_SIZE]
        text = r[17:17 + 3001]
        out.append((bytes(r[1:1 + min(r[0], 2)]), bytes(r[4:4 + min(r[3], 10)]), r[14] == 1,
                    bytes(text[:text.find(b"\0") if b"\0" in text else 3000])))
    return out


def read_sync(path: Path) -> tuple:
    """(ChangeCount, LockState, LockTime) of a sync file."""
    data = path.read_bytes()
    if len(data) != SYNC_SIZE:
        raise AssertionError(f"{path.name} holds {len(data)} bytes, not {SYNC_SIZE}")
    return struct.unpack("<ihd", data)


def write_sync(path: Path, change_count: int, lock_state: int, lock_time: float = 0.0):
    path.write_bytes(struct.pack("<ihd", change_count, lock_state, lock_time))


def send_options(data: bytes) -> list:
    """(via_clipboard, case_rule, key_delay) of every whole record."""
    return [(data[at + 3018], *struct.unpack_from("<hH", data, at + 3019))
            for at in range(0, len(data) - len(data) % RECORD_SIZE, RECORD_SIZE)]

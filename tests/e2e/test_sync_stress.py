"""Several copies of the program change one shared data file at once, coordinated only
by the lock in the sync file beside it. Each copy is a real Windows process
(syncstress.exe) going through the program's own sharing path: FileInUse, AddAHotKey,
ReleaseSyncFile. Half of them run on a second computer (a Wine prefix with a Wine server
of its own), which cannot see the first one's open files: only the sync file's byte-range
lock keeps them apart. Afterwards the data file must hold every record exactly once and
whole, the change counter must have counted every change, and no lock may be left.
A copy killed while it holds the lock leaves the lock behind, and another copy takes
it over once the heartbeat has been silent for a minute on its (shifted) clock. A sync
file that another process keeps open refuses the lock instead of being guessed at."""
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from tests.e2e.kit import env
from tests.e2e.kit.waiting import wait_until
from tests.e2e.wordsnap_records import LOCK_FREE, LOCK_HELD, RECORD_SIZE, read_sync, record, write_sync

WORKERS = 4
SNAPS_PER_WORKER = 40
# Wine starts each process in a second or two; the work itself takes a few seconds.
WORKERS_TIMEOUT = 240.0


def stress_snap(worker: int, number: int) -> bytes:
    """The 3039 bytes of the Wordsnap that syncstress.exe's worker adds as its n-th,
    as the data file must hold them (tools/syncstress/stress_snap.cpp)."""
    name = f"W{worker}N{number:04d}".encode("ascii")
    length = 50 + (worker * 7919 + number * 104729) % 2950
    piece = f"worker {worker} snap {number} ".encode("ascii")
    text = (piece * (length // len(piece) + 1))[:length]
    return record(name, text, clipboard=number % 2 == 1, case_rule=1 + number % 3,
                  key_delay=(worker * 100 + number) % 10001)


def record_name(snap: bytes) -> str:
    length = min(snap[3], 10)
    return snap[4:4 + length].decode("ascii", errors="replace")


class SyncStressTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tool = env.testtools_dir() / "syncstress.exe"
        if not cls.tool.is_file():
            raise RuntimeError(f"{cls.tool} is missing (build the win64 preset)")
        env.wine_prefix()  # fails loudly when the environment is not set up

    def setUp(self):
        self.folder = Path(tempfile.mkdtemp(prefix="syncstress-"))
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.data_file = self.folder / "TEAM.WSN"
        self.sync_file = self.folder / "TEAM.WSY"
        self.processes = []
        self.addCleanup(self.end_processes)

    def end_processes(self):
        for process, _ in self.processes:
            if process.poll() is None:
                process.kill()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass

    def start(self, name: str, *args, prefix=None):
        """Starts syncstress.exe with its output going to a file of its own."""
        output = self.folder / f"{name}.out"
        with open(output, "wb") as sink:
            process = subprocess.Popen([env.wine(), str(self.tool), *map(str, args)], cwd=self.folder,
                                       env=env.process_env(prefix), stdin=subprocess.DEVNULL,
                                       stdout=sink, stderr=subprocess.STDOUT, start_new_session=True)
        self.processes.append((process, output))
        return process, output

    def run_tool(self, name: str, *args) -> list:
        process, output = self.start(name, *args)
        wait_until(lambda: process.poll() is not None, WORKERS_TIMEOUT, f"syncstress {name} to end")
        lines = self.lines(output)
        self.assertEqual(process.returncode, 0, f"syncstress {name}: {lines}")
        return lines

    @staticmethod
    def lines(output: Path) -> list:
        return output.read_text(errors="replace").splitlines()

    def records(self) -> list:
        data = self.data_file.read_bytes()
        self.assertEqual(len(data) % RECORD_SIZE, 0, "the data file ends in a partial record")
        return [data[i:i + RECORD_SIZE] for i in range(0, len(data), RECORD_SIZE)]

    def test_copies_at_once_add_every_record_exactly_once_and_count_every_change(self):
        write_sync(self.sync_file, 17, LOCK_FREE)
        data = env.windows_path(self.data_file)
        # A few records before the crowd, which must survive it unchanged.
        self.run_tool("first", "add", data, 0, 3)

        go = self.folder / "go"
        workers = [self.start(f"worker{w}", "add", data, w, SNAPS_PER_WORKER, env.windows_path(go),
                              prefix=env.second_wine_prefix() if w % 2 == 0 else None)
                   for w in range(1, WORKERS + 1)]
        for process, output in workers:
            wait_until(lambda: "ready" in self.lines(output) or process.poll() is not None, WORKERS_TIMEOUT,
                       f"{output.stem} to load the data file")
        go.touch()
        for process, output in workers:
            wait_until(lambda: process.poll() is not None, WORKERS_TIMEOUT, f"{output.stem} to end")
            self.assertEqual(process.returncode, 0, f"{output.stem}: {self.lines(output)}")
            self.assertTrue(self.lines(output)[-1].startswith(f"added {SNAPS_PER_WORKER} "), self.lines(output))

        expected = {record_name(stress_snap(0, n)): stress_snap(0, n) for n in range(1, 4)}
        for worker in range(1, WORKERS + 1):
            for number in range(1, SNAPS_PER_WORKER + 1):
                snap = stress_snap(worker, number)
                expected[record_name(snap)] = snap

        records = self.records()
        names = [record_name(snap) for snap in records]
        duplicates = sorted({name for name in names if names.count(name) > 1})
        self.assertEqual(duplicates, [], "records written twice")
        self.assertEqual(sorted(set(expected) - set(names)), [], "records lost")
        self.assertEqual(sorted(set(names) - set(expected)), [], "records nobody added")
        for position, snap in enumerate(records, start=1):
            self.assertEqual(snap, expected[record_name(snap)], f"record {position} is damaged")
        # Each worker appends its own records in order.
        for worker in range(0, WORKERS + 1):
            own = [name for name in names if name.startswith(f"W{worker}N")]
            self.assertEqual(own, sorted(own), f"worker {worker}'s records out of order")

        change_count, lock_state, _ = read_sync(self.sync_file)
        self.assertEqual(change_count, 17 + 3 + WORKERS * SNAPS_PER_WORKER)
        self.assertEqual(lock_state, LOCK_FREE, "a lock was left held")

    def test_lock_of_a_killed_holder_is_taken_over_a_minute_after_first_sight(self):
        write_sync(self.sync_file, 5, LOCK_FREE)
        data = env.windows_path(self.data_file)

        holder, holder_output = self.start("holder", "hold", data)
        wait_until(lambda: "holding" in self.lines(holder_output) or holder.poll() is not None, WORKERS_TIMEOUT,
                   "the holder to take the lock")
        self.assertIsNone(holder.poll(), f"the holder ended: {self.lines(holder_output)}")
        self.assertEqual(read_sync(self.sync_file)[1], LOCK_HELD)
        # While the holder lives and its heartbeat is new, the lock is refused.
        self.assertEqual(self.run_tool("live", "attempt", data, 8, 0), ["+0 in use"])

        holder.kill()
        wait_until(lambda: holder.poll() is not None, 30.0, "the holder to die")
        change_count, lock_state, _ = read_sync(self.sync_file)
        self.assertEqual((change_count, lock_state), (5, LOCK_HELD), "the dead holder's lock is gone")

        # First sight, then half a minute later, then a minute and a second after the
        # first sight, on a clock shifted by those amounts.
        lines = self.run_tool("taker", "attempt", data, 9, 0, 30, 61)
        self.assertEqual(lines, ["+0 in use", "+30 in use", "+61 granted over an abandoned lock", "added 1"])

        self.assertEqual(self.records(), [stress_snap(9, 1)])
        change_count, lock_state, _ = read_sync(self.sync_file)
        self.assertEqual((change_count, lock_state), (6, LOCK_FREE))

    def test_sync_file_kept_open_by_another_process_refuses_the_lock(self):
        write_sync(self.sync_file, 5, LOCK_FREE)
        data = env.windows_path(self.data_file)

        blocker, blocker_output = self.start("blocker", "block", data)
        wait_until(lambda: "blocking" in self.lines(blocker_output) or blocker.poll() is not None, WORKERS_TIMEOUT,
                   "the blocker to open the sync file")
        self.assertIsNone(blocker.poll(), f"the blocker ended: {self.lines(blocker_output)}")
        # The free lock in the file cannot be trusted while the file cannot be read.
        self.assertEqual(self.run_tool("refused", "attempt", data, 7, 0), ["+0 in use"])
        self.assertEqual(read_sync(self.sync_file)[:2], (5, LOCK_FREE))
        self.assertEqual(self.data_file.read_bytes(), b"")

        blocker.kill()
        wait_until(lambda: blocker.poll() is not None, 30.0, "the blocker to die")
        self.assertEqual(self.run_tool("granted", "attempt", data, 7, 0), ["+0 granted", "added 1"])
        self.assertEqual(self.records(), [stress_snap(7, 1)])
        self.assertEqual(read_sync(self.sync_file)[:2], (6, LOCK_FREE))


if __name__ == "__main__":
    unittest.main()

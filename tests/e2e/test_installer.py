"""The installer built beside the program: a silent per-user install under Wine into a
fresh folder of the usual prefix (a fresh prefix takes minutes to make), the program
started from the Start-menu shortcut's target, and the silent uninstall."""
import getpass
import shutil
import struct
import tempfile
from pathlib import Path, PureWindowsPath

from tests.e2e.kit import EndToEndTest, repo_root, wait_until, windows_path
from tests.e2e.kit.processes import WineProcess

INSTALLED = ("Wordsnap.exe", "WDSN95HK.DLL", "cueview.exe", "WORDSNAP.DOC", "WORDSNAP.HTM", "ssce4332.dll",
             "ssceam.tlx", "ssceam1.clx", "sscebr.tlx", "sscebr1.clx", "Uninstall.exe")


def shortcut_target(lnk: bytes) -> str:
    """The local path a shell link points at (its LinkInfo's LocalBasePath)."""
    flags = struct.unpack_from("<I", lnk, 0x14)[0]
    offset = 0x4C
    if flags & 0x1:  # HasLinkTargetIDList
        offset += 2 + struct.unpack_from("<H", lnk, offset)[0]
    if not flags & 0x2:  # HasLinkInfo
        raise AssertionError("the shortcut holds no LinkInfo")
    base = struct.unpack_from("<I", lnk, offset + 16)[0]
    start = offset + base
    return lnk[start:lnk.index(b"\0", start)].decode("cp1252")


class InstallerTest(EndToEndTest):
    def test_silent_install_start_from_the_shortcut_and_uninstall(self):
        dist = repo_root() / "build" / "dist"
        setup = dist / "Wordsnaps-2000-setup.exe"
        self.assertTrue(setup.exists(), setup)
        self.assertTrue((dist / "Wordsnaps-2000-portable.zip").exists())

        folder = Path(tempfile.mkdtemp(prefix="wordsnap-e2e-install-"))
        self.addCleanup(shutil.rmtree, folder, True)
        target = folder / "Wordsnaps"  # /D takes no quotes, so no spaces
        shortcut = (Path(self.tool.prefix) / "drive_c" / "users" / getpass.getuser() / "AppData" / "Roaming" /
                    "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Wordsnaps 2000.lnk")
        self.addCleanup(lambda: shortcut.unlink(missing_ok=True))

        # /D must come last and unquoted.
        installer = WineProcess(setup, ["/S", "/CurrentUser", "/D=" + windows_path(target)], prefix=self.tool.prefix)
        self.assertEqual(installer.wait_ended(120, "the installer to end"), 0)
        for name in INSTALLED:
            self.assertTrue((target / name).exists(), name)
        wait_until(shortcut.exists, 10, "the Start-menu shortcut")
        program_file = PureWindowsPath(shortcut_target(shortcut.read_bytes()))
        self.assertEqual(str(program_file).lower(), windows_path(target / "Wordsnap.exe").lower())

        program = self.start_program(settings=None, data=None, program_dir=target)
        program.wait_for_caption("Wordsnaps 2000 (KEY)")
        program.close()

        uninstaller = WineProcess(target / "Uninstall.exe", ["/S", "/CurrentUser"], prefix=self.tool.prefix)
        uninstaller.wait_ended(120, "the uninstaller to hand over to its copy")
        # The uninstaller runs from a copy of itself, so its files going is what tells it ended.
        wait_until(lambda: not any((target / name).exists() for name in INSTALLED), 120,
                   "the uninstaller to remove the installed files")
        wait_until(lambda: not shortcut.exists(), 30, "the shortcut to go")

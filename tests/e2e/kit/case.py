"""The base of end-to-end test classes: one wintool per class, cleanup of every process
started, and a picture of the display when a test fails."""
import unittest

from . import env
from .program import Program
from .screenshot import screenshot
from .target import Target
from .wintool import WinTool


class EndToEndTest(unittest.TestCase):
    needs_program = True
    tool: WinTool

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        env.require_display()
        env.require_tools()
        if cls.needs_program:
            env.require_program()
        cls.tool = WinTool.start()
        cls.addClassCleanup(cls.tool.stop)

    def tearDown(self):
        # Runs before the cleanups end the programs, so the picture shows them.
        if self._has_failed():
            screenshot(self.id())
        super().tearDown()

    def _has_failed(self) -> bool:
        result = getattr(getattr(self, "_outcome", None), "result", None)
        reported = [*getattr(result, "failures", ()), *getattr(result, "errors", ())]
        return any(test is self for test, _ in reported)

    def start_program(self, wait: bool = True, shown: bool = True, **kwargs) -> Program:
        """Starts Wordsnap.exe (see Program and Program.start); ended after the test."""
        program = Program(self.tool, **kwargs)
        self.addCleanup(program.cleanup)
        return program.start(wait=wait, shown=shown)

    def start_target(self, focus: bool = True) -> Target:
        """Starts the target window (focused, by default); ended after the test."""
        target = Target(self.tool)
        self.addCleanup(target.cleanup)
        target.start()
        if focus:
            target.focus()
        return target

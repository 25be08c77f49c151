"""The target application: snaptarget.exe, a plain window with an edit control to type into."""
import datetime

from . import env, xinput
from .processes import WineProcess
from .waiting import wait_until
from .windows import top_windows, wait_for_window


class Target:
    CAPTION = "Snap Target"
    CLASS = "SnapTarget"

    def __init__(self, tool):
        self.tool = tool
        self.process = None
        self.window = None
        self.edit = None
        self.xid = None

    def start(self) -> "Target":
        env.require_tools()
        before = set(top_windows(self.tool, cls=self.CLASS))
        self.process = WineProcess(env.testtools_dir() / "snaptarget.exe", prefix=self.tool.prefix)
        self.window = wait_for_window(self.tool, timeout=60, exclude=before, cls=self.CLASS, visible=True)
        self.edit = self.window.child("Edit")
        self.xid = wait_until(lambda: next(iter(xinput.x_windows(self.process.pid, f"^{self.CAPTION}$")), None),
                              15, "the X window of the target")
        return self

    def focus(self) -> None:
        """Gives the target both the X input focus and Wine's activation, with its edit
        control focused; without a window manager neither follows the other."""
        xinput.focus_x_window(self.xid)
        self.window.activate()

        def focused():
            state = self.tool.request("foreground")
            return state["foreground"] == self.window.hwnd and state["focus"] == self.edit.hwnd
        wait_until(focused, 10, "the target to be the focused foreground window")

    def type(self, text: str, delay_ms: int = xinput.DEFAULT_DELAY_MS) -> None:
        """Types into the X focus (call focus() first)."""
        xinput.type_text(text, delay_ms)

    def key(self, *keys) -> None:
        xinput.press_keys(*keys)

    def alt_code(self, code: str) -> None:
        xinput.alt_code(code)

    def read_bytes(self) -> bytes:
        """What the edit control holds, exactly, as ANSI bytes (lines end in CR LF)."""
        return self.edit.text_bytes()

    def read(self) -> str:
        return env.from_ansi(self.read_bytes())

    def wait_for_text(self, expected, timeout: float = 10.0) -> None:
        """Waits until the edit holds exactly `expected` (str or bytes); typed keys arrive
        after xdotool returns. The failure message shows what it holds instead."""
        want = env.ansi(expected)
        try:
            wait_until(lambda: self.read_bytes() == want, timeout, f"the target to hold {want!r}")
        except AssertionError as error:
            raise AssertionError(f"{error}; it holds {self.read_bytes()!r}") from None

    def wait_for_dated_text(self, render, began: datetime.date, timeout: float = 10.0) -> None:
        """Waits until the edit holds render(day), day being `began` (the date when typing
        began) or the date now: the program's clock may pass midnight meanwhile."""
        def wanted():
            return {render(began), render(datetime.date.today())}
        try:
            wait_until(lambda: self.read() in wanted(), timeout, f"one of {sorted(wanted())} in the target")
        except AssertionError as error:
            raise AssertionError(f"{error}; it holds {self.read()!r}") from None

    def clear(self) -> None:
        self.edit.set_text("")

    def close(self, timeout: float = 10.0) -> None:
        self.window.close()
        self.process.wait_ended(timeout, "the target to end")

    def cleanup(self) -> None:
        if self.process is not None:
            self.process.kill()

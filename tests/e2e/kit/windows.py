"""Windows of Wine's desktop as seen through wintool: finding, reading and driving them."""
from dataclasses import dataclass

from .waiting import wait_until
from .wintool import WinTool, answer_bytes, answer_text

WM_CLOSE = 0x0010
WM_SYSCOMMAND = 0x0112
SC_MINIMIZE = 0xF020
SC_MAXIMIZE = 0xF030
SC_RESTORE = 0xF120
SC_CLOSE = 0xF060
MESSAGE_BOX_CLASS = "#32770"


@dataclass(frozen=True)
class Child:
    """One child control, as it was when listed."""
    hwnd: int
    parent: int
    cls: str
    text: str
    id: int
    visible: bool
    enabled: bool
    style: int


class Window:
    """A window handle with the operations the tests need; cheap, holds no state."""

    def __init__(self, tool: WinTool, hwnd: int):
        self.tool = tool
        self.hwnd = hwnd

    def __repr__(self) -> str:
        return f"Window({self.hwnd:#x})"

    def __eq__(self, other) -> bool:
        return isinstance(other, Window) and other.hwnd == self.hwnd

    def __hash__(self) -> int:
        return hash(self.hwnd)

    # Reading.
    def exists(self) -> bool:
        return self.tool.ask("info", self.hwnd).get("ok", False)

    def info(self) -> dict:
        """class, text, pid, tid, visible, enabled, iconic, zoomed, rect, client, parent,
        owner, style, exstyle (texts as wintool gives them; use the properties below)."""
        return self.tool.request("info", self.hwnd)

    @property
    def caption(self) -> str:
        return answer_text(self.info()["text"])

    @property
    def cls(self) -> str:
        return answer_text(self.info()["class"])

    @property
    def pid(self) -> int:
        """The Windows process id (not the Linux one)."""
        return self.info()["pid"]

    def visible(self) -> bool:
        return self.info()["visible"]

    def iconic(self) -> bool:
        return self.info()["iconic"]

    def zoomed(self) -> bool:
        return self.info()["zoomed"]

    def rect(self) -> tuple:
        """(left, top, right, bottom) from GetWindowRect."""
        return tuple(self.info()["rect"])

    def bounds(self) -> tuple:
        """(left, top, width, height)."""
        left, top, right, bottom = self.rect()
        return (left, top, right - left, bottom - top)

    def text_bytes(self) -> bytes:
        """What the window answers to WM_GETTEXT, exactly (an edit control's contents)."""
        return answer_bytes(self.tool.request("gettext", self.hwnd)["text"])

    def text(self) -> str:
        return answer_text(self.tool.request("gettext", self.hwnd)["text"])

    def children(self) -> list:
        answer = self.tool.request("children", self.hwnd)
        return [Child(c["hwnd"], c["parent"], answer_text(c["class"]), answer_text(c["text"]),
                      c["id"], c["visible"], c["enabled"], c["style"]) for c in answer["children"]]

    def child(self, cls: str = None, text: str = None, control_id: int = None) -> "Window":
        """The first child of that class, text (compared without '&' marks) and/or control id."""
        for c in self.children():
            if (cls is None or c.cls.lower() == cls.lower()) and (
                    text is None or c.text.replace("&", "") == text) and (control_id is None or c.id == control_id):
                return Window(self.tool, c.hwnd)
        raise AssertionError(f"{self!r} has no child of class {cls!r} with text {text!r} and id {control_id!r}; "
                             f"it has {[(c.cls, c.text, c.id) for c in self.children()]}")

    def message_box(self) -> tuple:
        """(caption, text) of a message box: its caption and the text of its Static child."""
        texts = [c.text for c in self.children() if c.cls.lower() == "static" and c.text]
        if not texts:
            raise AssertionError(f"{self!r} is no message box: it has no text")
        return (self.caption, texts[0])

    def buttons(self) -> list:
        return [c.text.replace("&", "") for c in self.children() if c.cls.lower() == "button"]

    # Driving.
    def set_text(self, text) -> None:
        self.tool.request("settext", self.hwnd, text)

    def press(self, button_text: str) -> None:
        """Clicks the child button with that text ('&' marks ignored), as a user would."""
        self.tool.request("click", self.child("Button", button_text).hwnd)

    def move(self, left: int, top: int, width: int, height: int) -> None:
        """Moves and sizes it (SetWindowPos), as a user dragging it would."""
        self.tool.request("move", self.hwnd, left, top, width, height)

    def close(self) -> None:
        """Posts WM_CLOSE."""
        self.post(WM_CLOSE)

    def post(self, message: int, wparam: int = 0, lparam: int = 0) -> None:
        self.tool.request("post", self.hwnd, message, wparam, lparam)

    def send(self, message: int, wparam: int = 0, lparam: int = 0, timeout_ms: int = 5000) -> int:
        """SendMessage with a time limit; returns the result (raises if it ran out)."""
        answer = self.tool.request("send", self.hwnd, message, wparam, lparam, timeout_ms)
        if not answer["completed"]:
            raise AssertionError(f"{self!r} did not handle message {message:#x} in {timeout_ms} ms")
        return answer["result"]

    def activate(self) -> None:
        """Makes it Wine's foreground (active) window."""
        self.tool.request("activate", self.hwnd)

    def focus(self) -> None:
        """Gives it the keyboard focus within its thread."""
        self.tool.request("focus", self.hwnd)


def top_windows(tool: WinTool, caption: str = None, cls: str = None, caption_prefix: str = None,
                visible: bool = None, pid: int = None) -> list:
    """Top-level windows matching all given criteria (caption: substring; cls: exact)."""
    found = []
    for w in tool.request("windows")["windows"]:
        text = answer_text(w["text"])
        if caption is not None and caption not in text:
            continue
        if caption_prefix is not None and not text.startswith(caption_prefix):
            continue
        if cls is not None and answer_text(w["class"]) != cls:
            continue
        if visible is not None and w["visible"] != visible:
            continue
        if pid is not None and w["pid"] != pid:
            continue
        found.append(Window(tool, w["hwnd"]))
    return found


def wait_for_window(tool: WinTool, timeout: float = 10.0, exclude=(), **criteria) -> Window:
    """The first top-level window matching `criteria` (see top_windows), not in `exclude`."""
    def appeared():
        return next((w for w in top_windows(tool, **criteria) if w not in exclude), None)
    return wait_until(appeared, timeout, f"a window with {criteria}")


def message_boxes(tool: WinTool, pid: int = None) -> list:
    """Visible message boxes (and other standard dialogs) on the desktop."""
    return top_windows(tool, cls=MESSAGE_BOX_CLASS, visible=True, pid=pid)


def desktop_summary(tool: WinTool) -> str:
    """The visible top-level windows, for failure messages."""
    return ", ".join(f"{answer_text(w['class'])} {answer_text(w['text'])!r} (pid {w['pid']})"
                     for w in tool.request("windows")["windows"] if w["visible"]) or "none"

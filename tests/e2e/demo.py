"""A short show of the main job: Wordsnap runs with a small data file, a user types a few
Wordsnaps into another window, and the replacements appear there.

Run by `scripts/run --demo`, which builds the program and gives this script a private
display and Wine prefix. By hand, with DISPLAY and WINEPREFIX set up as the tests have them:
    python3 -m tests.e2e.demo
Prints what the target window holds at the end and saves artifacts/demo.png.
"""
import datetime
import subprocess
import sys

from tests.e2e.kit import Program, Target, WinTool, artifacts_dir, from_ansi
from tests.e2e.kit import env, xinput
from tests.e2e.wordsnap_records import data_file, record

# Suffix mode: a Wordsnap plays when a space, Enter or punctuation follows its name, and
# that key is typed again after the replacement. Clip Setting 0 lets each Wordsnap choose
# between the keyboard and the clipboard.
SETTINGS = {"Misc": {"Use Suffix": "Yes", "Retype Suffix": "Yes", "Use Punctuation": "Yes",
                     "Do Hint": "No", "Clip Setting": "0"}}

SIGNATURE = b"Kind regards,\r\nJohn"
ADDRESS = b"12 Harbour Lane, Bristol BS1 4RT"
THANKS = b"thank you for your order"
TODAY_CODE = b"<DD Mmmmm YYYY{YF000}>"

WORDSNAPS = (
    record(b"sig", SIGNATURE),
    record(b"addr", ADDRESS),
    record(b"td", TODAY_CODE),
    # Case rule 1: a capital typed at the start of the name makes the first letter a capital.
    record(b"thx", THANKS, clipboard=True, case_rule=1),
)

MONTHS = ("January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December")


def today_text() -> bytes:
    """What the date code types today: day with a leading zero, month name, year."""
    now = datetime.date.today()
    return f"{now.day:02d} {MONTHS[now.month - 1]} {now.year}".encode()


def steps():
    """(what the user types, what the target then holds in all). Each step ends with a
    Wordsnap, and the next is typed once its replacement is there, as a user who looks
    at the screen would. "\r" is the Enter key (xdotool types "\n" as a line-feed key,
    which no keyboard has)."""
    date = today_text()
    held = b""
    for typed, shown in (
            ("Dear Ann,\rThx ", b"Dear Ann,\r\n" + THANKS.capitalize() + b" "),
            ("of td.", b"of " + date + b"."),
            (" It leaves our store at addr ", b" It leaves our store at " + ADDRESS + b" "),
            ("today.\r\rsig\r", b"today.\r\n\r\n" + SIGNATURE + b"\r\n")):
        held += shown
        yield typed, held


def screenshot_of(windows, name: str):
    """Saves artifacts/<name>.png of the part of the display that shows all the windows."""
    boxes = [w.rect() for w in windows]
    left = max(min(b[0] for b in boxes) - 10, 0)
    top = max(min(b[1] for b in boxes) - 10, 0)
    right = max(b[2] for b in boxes) + 10
    bottom = max(b[3] for b in boxes) + 10
    path = artifacts_dir() / f"{name}.png"
    subprocess.run(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                    "+repage", str(path)], check=True, capture_output=True, timeout=30,
                   env=env.process_env())
    return path


def run() -> int:
    env.require_display()
    env.require_program()
    env.require_tools()
    tool = WinTool.start()
    program = Program(tool, settings=SETTINGS, data=data_file(*WORDSNAPS))
    target = Target(tool)
    try:
        print("demo: starting Wordsnap with four Wordsnaps: sig, addr, td (a date code), thx (by clipboard)")
        program.start()
        print("demo: starting a target window and typing into it with real keys")
        target.start()
        target.focus()
        for typed, held in steps():
            keys = typed.replace("\r", "[Enter]")
            print(f"demo:   types '{keys}'")
            target.type(typed, delay_ms=40)
            target.wait_for_text(held, timeout=30)

        text = from_ansi(target.read_bytes())
        print("\nThe target window now holds:\n")
        for line in text.split("\r\n"):
            print(f"    | {line}")
        path = screenshot_of([program.main_window, target.window], "demo")
        print(f"\ndemo: a picture of the screen is in {path}")
        target.close()
        program.close()
        return 0
    except AssertionError as error:
        print(f"demo: failed: {error}", file=sys.stderr)
        return 1
    finally:
        target.cleanup()
        program.cleanup()
        tool.stop()


if __name__ == "__main__":
    sys.exit(run())

"""Bounded polling: the only way the end-to-end tests wait."""
import time


def wait_until(condition, timeout: float = 10.0, what: str = "a condition", interval: float = 0.05):
    """Polls `condition` until it returns something truthy, and returns that.

    Raises AssertionError naming `what` when `timeout` seconds pass first. An exception
    raised by the condition ends the wait at once.
    """
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)

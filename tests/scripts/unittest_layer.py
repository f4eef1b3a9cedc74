"""Runs a script test module's cases as one layer of the test command: the unittest report only when a
case fails, then the line "== NAME: N passed, M failed"; returns the exit status."""
import io
import unittest


def run_layer(name):
    output = io.StringIO()
    result = unittest.main(exit=False, testRunner=unittest.TextTestRunner(stream=output)).result
    failed = len(result.failures) + len(result.errors)
    if failed:
        print(output.getvalue())
    print(f"== {name}: {result.testsRun - failed} passed, {failed} failed")
    return 1 if failed else 0

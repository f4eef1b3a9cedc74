"""The preference windows and the effect list's colours end to end: the real list on the screen and the
windows the tray menu opens."""
from attach_cases import xdotool
from capture_cases import tray_menu
from harness import Program, effect_list, list_filled, pixel, screen_image, wait_for

# Key steps from the tray menu's first item on the start screen (separators are skipped).
ADVANCED_OPTIONS = 10
PROGRAM_COLOURS = 11

ODD_ROW = (230, 230, 230)
EVEN_ROW = (240, 240, 240)
ENABLED_ROW = (188, 199, 212)
SELECTED_ROW = (111, 127, 156)
SELECTED_TEXT = (255, 255, 0)


def start_with_library(program):
    program.start()
    assert program.window_ids(), "the main window did not appear"
    probe = program.wait_for_probe(list_filled, 15.0)
    assert probe and list_filled(probe), f"the effect list was not filled: {probe}"
    return probe


def row_scan(program, probe, name):
    """Colour runs (colour, first y, last y) down the list's rows, at the right end of the last column."""
    client_left, client_top = probe["client"][0], probe["client"][1]
    rect = effect_list(probe)["rect"]
    columns = sum(c["width"] for c in effect_list(probe)["columns"])
    x = client_left + rect[0] + 2 + columns - 4  # inside the 2-pixel client edge, left of the last column's end
    image = screen_image(f"{program.dir}/{name}.png")
    runs = []
    for y in range(client_top + rect[1] + 2, client_top + rect[3] - 2):
        colour = pixel(image, x, y)
        if runs and runs[-1][0] == colour:
            runs[-1][2] = y
        else:
            runs.append([colour, y, y])
    return image, x, runs


def rows(runs, item_height):
    """The runs that are whole rows, below the column header."""
    scheme = {ODD_ROW, EVEN_ROW, ENABLED_ROW, SELECTED_ROW}
    first = next((i for i, r in enumerate(runs) if r[0] in scheme), len(runs))
    return [r for r in runs[first:] if r[2] - r[1] + 1 >= item_height - 1]


def case_the_list_on_screen_shows_the_default_scheme(build_dir, work_root):
    program = Program(build_dir, work_root, "prefs_list_colours", with_library=True)
    try:
        probe = start_with_library(program)
        item_height = effect_list(probe)["itemHeight"]
        # At the first start the enabled row is also the selected one.
        _, _, runs = row_scan(program, probe, "list_start")
        whole = rows(runs, item_height)
        colours = [r[0] for r in whole]
        assert SELECTED_ROW in colours, f"no selected row among {colours}"
        plain = [c for c in colours if c != SELECTED_ROW]
        assert plain and set(plain) <= {ODD_ROW, EVEN_ROW}, colours
        assert all(a != b for a, b in zip(colours, colours[1:])), f"rows do not alternate: {colours}"

        # Selecting the row above the enabled one shows the enabled row's own colours.
        selected = next(r for r in whole if r[0] == SELECTED_ROW)
        above_y = selected[1] - item_height // 2
        _, x, _ = row_scan(program, probe, "list_before_click")
        xdotool("mousemove", x - 40, above_y)
        xdotool("click", 1)

        def after_click():
            _, _, now = row_scan(program, probe, "list_clicked")
            found = {r[0]: r for r in rows(now, item_height)}
            return found if ENABLED_ROW in found and SELECTED_ROW in found else None
        found = wait_for(after_click, 10.0, interval=0.5)
        assert found, "the enabled row did not show its own colours after another row was selected"
        assert found[SELECTED_ROW][2] < found[ENABLED_ROW][1], "the clicked row is not above the enabled one"
        image, _, _ = row_scan(program, probe, "list_text")
        # The selected row's text is drawn in its own colour somewhere along the row.
        row_y = range(found[SELECTED_ROW][1], found[SELECTED_ROW][2] + 1)
        rect = effect_list(probe)["rect"]
        left = probe["client"][0] + rect[0]
        assert any(pixel(image, px, py) == SELECTED_TEXT for py in row_y for px in range(left, left + 300)), \
            "no text in the selected row's text colour"
    finally:
        program.kill()


def case_advanced_options_and_colour_windows_open_from_the_tray(build_dir, work_root):
    program = Program(build_dir, work_root, "prefs_windows", with_library=True)
    try:
        start_with_library(program)
        tray_menu(program, f"down*{ADVANCED_OPTIONS}", "return")
        options = wait_for(lambda: program.probe("--class", "CorvantaAdvancedOptions"), 10.0, interval=0.5)
        assert options and options["visible"], f"the advanced options did not open: {options}"
        assert options["caption"] == "Corvanta_高级配置选项：", options["caption"]
        texts = [c["text"] for c in options["children"]]
        assert "当前透明色RGB:(208,222,227)" in texts, texts
        assert options["exstyle"] & 0x8, "the window is not on top"

        tray_menu(program, f"down*{PROGRAM_COLOURS}", "return")
        colours = wait_for(lambda: program.probe("--class", "CorvantaColourScheme"), 10.0, interval=0.5)
        assert colours and colours["visible"], f"the colour window did not open: {colours}"
        assert colours["caption"] == "程序配色", colours["caption"]
        texts = [c["text"] for c in colours["children"]]
        for label in ("背景颜色", "自选区线条", "随机", "确定", "默认"):
            assert label in texts, f"{label} missing from {texts}"
    finally:
        program.kill()

"""The version check end to end: the real tray menu's "检测版本(更新)" asks a local HTTP server (set by
CORVANTA_UPDATE_SERVER) for the version file and reports a newer version, then shows the update window."""
import http.server
import os
import subprocess
import threading

from attach_cases import xdotool
from capture_cases import tray_menu
from harness import Program, ini_value, list_filled, pixel, wait_for, wait_for_screen

# Key steps from the tray menu's last item upwards: "关闭并退出", "软件介绍与帮助", "支持作者(捐赠)",
# "检测版本(更新)".
VERSION_CHECK_FROM_BOTTOM = 4
DONATE_FROM_BOTTOM = 3
VERSION_PAGE = "<html><head><title>Corvanta</title></head><body><p>最新版本 10.2021.010</p></body></html>"


class VersionServer:
    """A python http.server on 127.0.0.1 that serves the version file and a page at every other path."""

    def __init__(self, page):
        paths = self.paths = []

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                paths.append(self.path)
                body = page.encode("gbk") if self.path == "/ver/ver.html" else b"<html>ok</html>"
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    @property
    def address(self):
        return "127.0.0.1:%d" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()


def visible_window(name, seconds=20.0):
    """The X id of a visible window whose name matches, or None."""
    def find():
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True,
                             text=True).stdout.split()
        return out[0] if out else None
    return wait_for(find, seconds)


def press_return_in(window_id):
    xdotool("windowfocus", "--sync", window_id)
    xdotool("key", "--window", window_id, "Return")


def case_newer_version_from_the_tray_menu_shows_the_box_and_the_update_window(build_dir, work_root):
    server = VersionServer(VERSION_PAGE)
    program = Program(build_dir, work_root, "update_check", with_library=True)
    program.env["CORVANTA_UPDATE_SERVER"] = server.address
    # The probe's built-in page is public; here the same server answers it.
    program.env["CORVANTA_PROBE_URL"] = "http://" + server.address + "/"
    try:
        program.start()
        assert program.window_ids(), "the main window did not appear"
        probe = program.wait_for_probe(list_filled, 15.0)
        assert probe and list_filled(probe), f"the effect list was not filled: {probe}"

        tray_menu(program, f"up*{VERSION_CHECK_FROM_BOTTOM}", "return")
        box = wait_for(lambda: program.probe("--title", "版本信息:"), 20.0)
        assert box, "no box \"版本信息:\""
        texts = [c["text"] for c in box["children"]]
        assert any("发现新版本：10.2021.010" in t for t in texts), texts
        assert any("当前版本号：10.2021.009" in t for t in texts), texts
        number = ini_value(program.read("\\Config\\Config.ini"), "Config", "Number")
        assert number == "10.2021.009", f"Number={number!r}"
        assert server.paths == ["/", "/ver/ver.html"], server.paths

        box_id = visible_window("版本信息:")
        assert box_id, "the box is not on the screen"
        press_return_in(box_id)

        update = wait_for(lambda: program.probe("--class", "CorvantaUpdateWindow"), 20.0)
        assert update, "the update window did not follow the box"
        assert update["caption"] == "Corvanta_更新:", update["caption"]
        left, top, right, bottom = update["window"]
        assert (right - left, bottom - top) == (370, 248), update["window"]
        texts = [c["text"] for c in update["children"]]
        assert "http://" + server.address in texts, texts
        assert any(t.startswith("程序检测到有新版本发布") for t in texts), texts
        main = program.probe()
        assert main and not main["enabled"], "the update window is modal over the main window"

        update_id = visible_window("Corvanta_更新:")
        assert update_id, "the update window is not on the screen"
        program.close_with_alt_f4(update_id)
        main = program.wait_for_probe(lambda p: p["enabled"], 15.0)
        assert main and main["enabled"], "the main window stayed disabled"
        assert not program.probe("--class", "CorvantaUpdateWindow"), "the update window stayed open"
    finally:
        program.kill()
        server.close()



def case_donation_window_from_the_tray_menu_shows_the_picture(build_dir, work_root):
    program = Program(build_dir, work_root, "update_donation", with_library=True)
    try:
        program.start()
        assert program.window_ids(), "the main window did not appear"
        assert program.wait_for_probe(list_filled, 15.0), "the effect list was not filled"
        tray_menu(program, f"up*{DONATE_FROM_BOTTOM}", "return")
        donation = wait_for(lambda: program.probe("--class", "CorvantaDonationWindow"), 20.0)
        assert donation, "the donation window did not open"
        assert donation["caption"] == "" and donation["children"] == [], donation
        left, top, right, bottom = donation["window"]
        assert (right - left, bottom - top) == (408, 586), donation["window"]
        # The picture on the screen: the dark border around the light card, the card inside.
        c_left, c_top, c_right, c_bottom = donation["client"]
        width, height = c_right - c_left, c_bottom - c_top

        def at(image, fx, fy):
            return pixel(image, c_left + int(width * fx), c_top + int(height * fy))

        def shows_picture(image):
            border, card = at(image, 0.02, 0.02), at(image, 0.15, 0.90)
            return max(border) < 110 and min(card) > 170
        image = wait_for_screen(os.path.join(program.dir, "donation.png"), shows_picture, 10.0)
        assert image, "the picture is not on the screen"
    finally:
        program.kill()

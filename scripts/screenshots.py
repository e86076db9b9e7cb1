"""Starts Orvelle on a sample data folder and saves pictures of the whole screen into a folder.
Run through scripts/screenshots.sh, which gives it a display, a window manager and an
accessibility bus. Usage: screenshots.py PROGRAM FOLDER WIDTHxHEIGHT"""
import datetime, os, re, subprocess, sys, tempfile, threading, time
import pyatspi

PROGRAM, OUT = sys.argv[1], sys.argv[2]
SCREEN = tuple(int(n) for n in sys.argv[3].split("x"))

def cp1252(lines):
    return "".join(l + "\r\n" for l in lines).encode("cp1252")

def sample_home():
    home = tempfile.mkdtemp(prefix="orvelle-sample-")
    # Alerts and birthdays are pending from today's date on, so theirs are set from it.
    today = datetime.date.today()
    def serial(days):
        return (today + datetime.timedelta(days) - datetime.date(1899, 12, 30)).days
    def month_day(days):
        return (today + datetime.timedelta(days)).strftime("%m/%d")
    files = {
        # Month index, weekday column, week row, colour, hover note (March 2009 starts on a Sunday).
        "2009Marks.dat": cp1252(["02:01:01:255-Dentist 3:30", "02:03:02:16711680-Budget meeting",
                                 "02:05:02:32768-Flight to Denver", "02:06:02:32768", "02:01:03:65280",
                                 "02:02:03:65280", "02:03:03:65280", "01:04:02:128-Tax forms",
                                 "06:03:02:8421376", "10:02:03:12632256-Renew passport"]),
        "Holidays/2009Holidays.dat": cp1252(["01/01/09:New Year's Day", "01/19/09:Martin Luther King Day",
                                             "02/16/09:Presidents' Day", "03/17/09:St. Patrick's Day",
                                             "05/25/09:Memorial Day", "07/04/09:Independence Day",
                                             "09/07/09:Labor Day", "11/26/09:Thanksgiving",
                                             "12/25/09:Christmas Day"]),
        "Birthdays.dat": cp1252(["03/26:00:Ann Lee:1975", "08/02:07:Tom Brown:1950",
                                 month_day(3) + ":07:Sam Green:1982"]),
        # Date serial, days of notice, message.
        "Alerts.dat": cp1252(["%d:0007:Car service at 9" % serial(2), "%d:0014:Renew the lease" % serial(9)]),
        # Open and done items.
        "To Do.dat": cp1252(["\u00f5Call the plumber", "\u00f3Book the flight to Denver",
                             "\u00f5Pick up dry cleaning", "\u00f5Send the budget draft"]),
        # Day (from 0), position, palette picture.
        "2009/Mar_Icons.dat": cp1252(["01:00 Index:00", "04:00 Index:12", "04:01 Index:36",
                                      "11:00 Index:48", "19:00 Index:60", "19:01 Index:24",
                                      "25:00 Index:72", "30:00 Index:84"]),
    }
    for name, data in files.items():
        path = os.path.join(home, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    return home

class Program:
    def __init__(self, home):
        env = dict(os.environ, ORVELLE_HOME=home, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.pop("QT_QPA_PLATFORM", None)
        self.proc = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = None
        end = time.time() + 60
        while self.app is None and time.time() < end:
            for a in pyatspi.Registry.getDesktop(0):
                try:
                    if a is not None and a.get_process_id() == self.proc.pid:
                        self.app = a
                except Exception:
                    pass
            time.sleep(0.3)
        if self.app is None:
            sys.exit("screenshots: the program never appeared on the accessibility bus")

    def all(self, role=None, name=None, root=None):
        out, pat = [], re.compile(name) if name else None
        def walk(a, depth):
            if a is None or depth > 40:
                return
            try:
                if (role is None or a.getRoleName() == role) and (pat is None or pat.fullmatch(a.name or "")):
                    out.append(a)
                for i in range(a.childCount):
                    walk(a.getChildAtIndex(i), depth + 1)
            except Exception:
                pass
        walk(root or self.app, 0)
        return out

    def wait(self, role, name, timeout=60):
        end = time.time() + timeout
        while time.time() < end:
            hits = self.all(role, name)
            if hits:
                return hits[0]
            time.sleep(0.3)
        sys.exit("screenshots: no %s %r appeared" % (role, name))

    def press(self, acc):
        act = acc.queryAction()
        threading.Thread(target=lambda: act.doAction(0), daemon=True).start()
        time.sleep(0.8)

    def menu(self, *path):
        node = None
        for caption in path:
            hits = [a for a in self.all(None, None, node) if a.getRoleName() in ("menu", "menu item")
                    and (a.name or "").replace("&", "") == caption]
            if not hits:
                sys.exit("screenshots: no menu entry %r" % caption)
            node = hits[0]
        self.press(node)

    def pick(self, month, day, year):
        for combo, value in zip(self.all("combo box"), (month, day, year)):
            edit = (self.all("text", None, combo) or [combo])[0]
            edit.queryEditableText().setTextContents(value)
        time.sleep(0.5)

    def type_into(self, acc, text):
        acc.queryEditableText().setTextContents(text)

    def require_shown(self, role, name, timeout=60):
        """Stops the run unless the widget comes on the screen whole: the pictures are to show what
        a user sees, side panels included."""
        def whole(acc):
            try:
                e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                return (acc.getState().contains(pyatspi.STATE_SHOWING) and e.width > 0 and e.height > 0
                        and e.x >= 0 and e.y >= 0 and e.x + e.width <= SCREEN[0] and e.y + e.height <= SCREEN[1])
            except Exception:
                return False
        end = time.time() + timeout
        while time.time() < end:
            if any(whole(acc) for acc in self.all(role, name)):
                return
            time.sleep(0.3)
        sys.exit("screenshots: %s %r is not shown on the %dx%d screen" % (role, name, *SCREEN))

    def require_side_panels(self):
        self.require_shown("panel", "Help")
        self.require_shown("panel", "Alerts and Birthdays")
        self.require_shown("label", r"The To Do List is displayed below\..*")

    def shot(self, name):
        time.sleep(1.0)
        path = os.path.join(OUT, name)
        subprocess.run(["import", "-window", "root", path], check=True)
        print("wrote", path)

    def close(self):
        self.proc.kill()
        self.proc.wait()

def session(home, steps):
    p = Program(home)
    try:
        p.wait("frame", r"Orvelle: .*")
        steps(p)
    finally:
        p.close()

def views(p):
    p.pick("March", "05", "2009")
    p.menu("Calendar View", "Show 1 Year Calendar")
    p.require_side_panels()
    p.shot("twelve-months.png")
    p.menu("Calendar View", "Show 1 Month Calendar")
    p.require_side_panels()
    p.shot("one-month.png")

def note(p):
    p.pick("March", "17", "2009")
    p.menu("Options", "Date Options", "Open Notes for Selected Date")
    box = p.all("text", None, p.wait(None, r"Notes for March 17, 2009"))[0]
    p.type_into(box, "Parade starts at 11 on Fifth Avenue.\nMeet Ann at the corner of 44th Street.\n"
                     "Bring the green scarf!")
    p.shot("note.png")

def planner(p):
    p.pick("March", "05", "2009")
    p.menu("Options", "Date Options", "Open Planner for Selected Date")
    p.wait("frame", r"Orvelle: Daily Planner( - .*)?")
    end = time.time() + 60
    while True:
        lines = [a for a in p.all("text") if a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 200]
        if len(lines) >= 8 or time.time() > end:
            break
        time.sleep(0.3)
    for acc, text in zip(lines, ["Team stand-up", "", "Dentist - bring card", "", "", "Lunch with Ann",
                                 "", "Budget review"]):
        if text:
            p.type_into(acc, text)
    p.shot("planner.png")

home = sample_home()
for steps in (views, note, planner):
    session(home, steps)

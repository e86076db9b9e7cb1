"""Starts Orvelle on a sample data folder and saves pictures of its main views into docs/.
Run through scripts/screenshots.sh, which gives it a display and an accessibility bus."""
import os, re, subprocess, sys, tempfile, threading, time
import pyatspi

PROGRAM, OUT = sys.argv[1], sys.argv[2]

def cp1252(lines):
    return "".join(l + "\r\n" for l in lines).encode("cp1252")

def sample_home():
    home = tempfile.mkdtemp(prefix="orvelle-sample-")
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
        "Birthdays.dat": cp1252(["03/26:00:Ann Lee:1975", "08/02:07:Tom Brown:1950"]),
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
        end = time.time() + 40
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

    def wait(self, role, name, timeout=20):
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

    def shot(self, name, crop):
        time.sleep(1.0)
        path = os.path.join(OUT, name)
        subprocess.run(["import", "-window", "root", "-crop", crop, "+repage", path], check=True)
        print("wrote", path)

    def close(self):
        self.proc.kill()
        self.proc.wait()

def frame_crop(p):
    e = p.wait("frame", r"Orvelle.*").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return "%dx%d+%d+%d" % (e.width, e.height, e.x, e.y)

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
    p.shot("twelve-months.png", frame_crop(p))
    p.menu("Calendar View", "Show 1 Month Calendar")
    p.shot("one-month.png", frame_crop(p))

def note(p):
    p.pick("March", "17", "2009")
    p.menu("Options", "Date Options", "Open Notes for Selected Date")
    box = p.all("text", None, p.wait(None, r"Notes for March 17, 2009"))[0]
    p.type_into(box, "Parade starts at 11 on Fifth Avenue.\nMeet Ann at the corner of 44th Street.\n"
                     "Bring the green scarf!")
    p.shot("note.png", frame_crop(p))

def planner(p):
    p.pick("March", "05", "2009")
    p.menu("Options", "Date Options", "Open Planner for Selected Date")
    time.sleep(1.5)
    lines = [a for a in p.all("text") if a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 200]
    for acc, text in zip(lines, ["Team stand-up", "", "Dentist - bring card", "", "", "Lunch with Ann",
                                 "", "Budget review"]):
        if text:
            p.type_into(acc, text)
    p.shot("planner.png", frame_crop(p))

home = sample_home()
for steps in (views, note, planner):
    session(home, steps)

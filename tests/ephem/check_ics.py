#!/usr/bin/python3
"""Checks vireon-ephem --format ics with an independent iCalendar parser (python3-icalendar).

Each request runs as CSV and as iCalendar. The CSV's rows, paired here into phenomena, must each
be one VEVENT whose UTC times are the rows' TT Julian Days less their Delta T (Python's proleptic
Gregorian datetime), within the whole second the lists round to; each mutual event one VEVENT
from first to last contact. The file must be RFC 5545: CRLF, lines of at most 75 octets, the
calendar's properties, unique UIDs. Usage: check_ics.py VIREON_EPHEM; exits 1 on a failure.
"""
import csv
import datetime
import io
import subprocess
import sys

import icalendar

EPHEM = sys.argv[1]
UTC = datetime.timezone.utc
J2000 = datetime.datetime(2000, 1, 1, 12, tzinfo=UTC)  # JD 2451545.0
LONGEST_HOURS = 11  # the longest phenomena (Iapetus's) last about 10.4 h
PLANETS = {"jupiter": "Jupiter", "saturn": "Saturne"}
# What a phenomenon's summary says after the satellite's name, before the planet's.
SUMMARIES = {"transit": "passage devant", "shadow": "passage de l'ombre sur", "occultation": "occultation par",
             "eclipse": "éclipse par"}
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def csv_rows(args):
    return list(csv.DictReader(io.StringIO(run(args, "csv").decode("utf-8"))))


def run(args, fmt):
    result = subprocess.run([EPHEM] + args + ["--format", fmt], capture_output=True, timeout=120)
    if result.returncode != 0:
        raise SystemExit("vireon-ephem %s failed: %s" % (" ".join(args), result.stderr.decode()))
    return result.stdout


def utc_of_jd(jd_tt, delta_t_s):
    return J2000 + datetime.timedelta(days=jd_tt - 2451545.0) - datetime.timedelta(seconds=delta_t_s)


def parse_calendar(raw, where):
    text = raw.decode("utf-8")
    lines = text.split("\r\n")
    check(text.endswith("\r\n") and "\n" not in text.replace("\r\n", ""), where + ": every line ends in CRLF")
    longest = max(len(line.encode("utf-8")) for line in lines)
    check(longest <= 75, "%s: a line of %d octets" % (where, longest))
    calendar = icalendar.Calendar.from_ical(raw)
    check(str(calendar.get("version")) == "2.0", where + ": VERSION")
    check(str(calendar.get("calscale")) == "GREGORIAN", where + ": CALSCALE")
    check("prodid" in calendar, where + ": PRODID")
    events = []
    for event in calendar.walk("VEVENT"):
        start = event.get("dtstart").dt
        end = event.get("dtend").dt if event.get("dtend") else None
        check(start.utcoffset() == datetime.timedelta(0), where + ": DTSTART in UTC")
        check("dtstamp" in event, where + ": DTSTAMP")
        events.append({"uid": str(event.get("uid")), "summary": str(event.get("summary")), "start": start, "end": end})
    uids = [e["uid"] for e in events]
    check(len(set(uids)) == len(uids), where + ": UIDs unique")
    return events


def phenomena_of_csv(rows):
    """The phenomena of the rows: [kind, name, start row or None, end row or None]."""
    found, open_ = [], {}
    for row in rows:
        if row["event"] == "grs_transit":
            found.append(["grs", row["name"], row, row])
            continue
        kind, side = row["event"].rsplit("_", 1)
        key = (row["index"], kind)
        if side == "start":
            open_[key] = [kind, row["name"], row, None]
            found.append(open_[key])
        elif key in open_:
            open_.pop(key)[3] = row
        else:
            found.append([kind, row["name"], None, row])
    return found


def near(got, want, low, high):
    """got - want in [low, high] seconds (the rounding to whole seconds, and the JD's last digit)."""
    return low - 0.001 <= (got - want).total_seconds() <= high + 0.001


def check_events(args, wider=None):
    """wider: the request two days longer at each end, where the phenomena the span cuts are whole;
    without it (a filtered list) those are checked for their length only."""
    where = "--events " + " ".join(args)
    rows = csv_rows(["--events"] + args)
    events = parse_calendar(run(["--events"] + args, "ics"), where)
    if not check(len(rows) > 0, where + ": rows"):
        return
    planet = PLANETS[rows[0]["planet"]]
    phenomena = phenomena_of_csv(rows)
    if wider:
        # The rows cut by the span get their other row from the wider span.
        whole = {}
        for phenomenon in phenomena_of_csv(csv_rows(["--events"] + wider)):
            for row in phenomenon[2:]:
                if row:
                    whole[row["jd"]] = phenomenon
        phenomena = [whole[(p[2] or p[3])["jd"]] for p in phenomena]
    check(len(events) == len(phenomena), "%s: %d events for %d phenomena" % (where, len(events), len(phenomena)))
    for kind, name, start, end in phenomena:
        summary = ("Tache rouge : passage au méridien central" if kind == "grs"
                   else "%s : %s %s" % (name, SUMMARIES[kind], planet))
        matches = [e for e in events if e["summary"] == summary and
                   (start is None or near(e["start"], utc_of_jd(float(start["jd"]), float(start["delta_t_s"])), 0, 1)) and
                   (end is None or kind == "grs" or (e["end"] is not None and
                    near(e["end"], utc_of_jd(float(end["jd"]), float(end["delta_t_s"])), -1, 0)))]
        label = "%s: %s %s" % (where, summary, (start or end)["instant"])
        if not check(len(matches) == 1, label + ": %d matching events" % len(matches)):
            continue
        event = matches[0]
        events.remove(event)
        check(event["end"] is None if kind == "grs" else event["end"] is not None and event["start"] < event["end"]
              and event["end"] - event["start"] < datetime.timedelta(hours=LONGEST_HOURS), label + ": its duration")


def check_mutual(args):
    where = "--mutual " + " ".join(args)
    rows = csv_rows(["--mutual"] + args)
    events = parse_calendar(run(["--mutual"] + args, "ics"), where)
    check(len(rows) > 0 and len(events) == len(rows), "%s: %d events for %d rows" % (where, len(events), len(rows)))
    verbs = {"occultation": "occulte", "eclipse": "éclipse"}
    for row, event in zip(rows, events):
        label = "%s: %s" % (where, row["maximum"])
        instant = lambda text: datetime.datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(tzinfo=UTC)
        check(event["start"] == instant(row["start"]) and event["end"] == instant(row["end"]), label + ": its contacts")
        check(event["summary"].startswith("%s %s %s" % (row["active_name"], verbs[row["event"]], row["passive_name"])),
              label + ": its summary " + event["summary"])


def check_same_event_across_spans():
    """A phenomenon cut by the span keeps its times and its UID whatever span and clock list it."""
    base = ["--planet", "jupiter", "--date", "2026-09-01T00:00:00", "--days", "3", "--time-scale", "ut"]
    month = {e["uid"]: e for e in parse_calendar(run(["--events"] + base, "ics"), "3 days")}
    inside = next(e for e in month.values() if e["start"].day == 2 and e["end"] is not None)
    middle = inside["start"] + (inside["end"] - inside["start"]) / 2
    for scale in ("ut", "tt"):
        cut = ["--planet", "jupiter", "--date", middle.strftime("%Y-%m-%dT%H:%M:%S"), "--days", "1",
               "--time-scale", scale]
        other = {e["uid"]: e for e in parse_calendar(run(["--events"] + cut, "ics"), "from the middle")}
        again = other.get(inside["uid"])
        check(again is not None and again["start"] == inside["start"] and again["end"] == inside["end"],
              "%s cut at %s on %s: the same event" % (inside["summary"], middle, scale))


def check_refusals():
    table = subprocess.run([EPHEM, "--planet", "jupiter", "--date", "2026-09-01T00:00:00", "--format", "ics"],
                           capture_output=True, timeout=60)
    check(table.returncode == 2 and table.stdout == b"" and table.stderr.count(b"\n") == 1,
          "--format ics for positions: one line, exit status 2")
    with open("/dev/full", "wb") as full:
        unwritable = subprocess.run([EPHEM, "--events", "--planet", "jupiter", "--date", "2026-09-01T00:00:00",
                                     "--days", "30", "--format", "ics"], stdout=full, stderr=subprocess.PIPE,
                                    timeout=60)
    check(unwritable.returncode == 1, "an output that cannot be written: exit status 1, got %d" % unwritable.returncode)


# Jupiter in September 2026 on UT, with the Red Spot; before 1582 (Julian dates, ten days behind
# the Gregorian ones); Saturn from Paris in local time at its opposition, only the observable rows;
# the mutual events of Jupiter's season of 2026 and Saturn's of 2025.
JUPITER_2026 = ["--planet", "jupiter", "--time-scale", "ut", "--grs-longitude", "60"]
check_events(JUPITER_2026 + ["--date", "2026-09-01T00:00:00", "--days", "30"],
             wider=JUPITER_2026 + ["--date", "2026-08-30T00:00:00", "--days", "34"])
JUPITER_1500 = ["--planet", "jupiter", "--time-scale", "ut"]
check_events(JUPITER_1500 + ["--date", "1500-02-25T00:00:00", "--days", "10"],
             wider=JUPITER_1500 + ["--date", "1500-02-23T00:00:00", "--days", "14"])
check_events(["--planet", "saturn", "--date", "2025-09-01T00:00:00", "--days", "31", "--time-scale", "local",
              "--time-zone", "Europe/Paris", "--site", "48.85,2.35,35", "--observable"])
check_mutual(["--planet", "jupiter", "--date", "2026-09-01T00:00:00", "--days", "30", "--time-scale", "ut"])
check_mutual(["--planet", "saturn", "--date", "2025-05-01T00:00:00", "--days", "31", "--time-scale", "ut"])
check_same_event_across_spans()
check_refusals()

for failure in failures:
    print("FAILED:", failure)
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)

#!/usr/bin/python3
"""Runs the Orca screen reader with a debug log that is written line by line, and reads back what
it said from that log.

    orca_speech.py run LOG [ORCA OPTIONS...]  runs /usr/bin/orca --debug-file LOG with the options
    orca_speech.py size LOG                   prints how many bytes of the log are on disk: a mark
    orca_speech.py said LOG MARK [--times]    prints each utterance written after the mark, one a
                                              line, in the order spoken; with --times each line
                                              starts with the time Orca spoke it, in seconds since
                                              the epoch

Orca writes its debug log through a plain open(FILE, 'w'), which Python buffers in blocks of
8 KiB, and never flushes it: the last things Orca said can sit in that buffer for as long as Orca
does nothing else. "run" opens that one file line by line instead and changes nothing else.

Each utterance is one record of the log, at Orca's debug level INFO, such as

    05:26:11.531940 - SPEECH OUTPUT: 'Чисти push button.'{'established': False}
    05:26:09.965479 - SPEECH OUTPUT: 'tab ' {'established': False}

the second from the echo of a key. A record that spans lines goes on in lines that start with 18
spaces.
"""
import builtins
import datetime
import os
import re
import runpy
import sys

RECORD = re.compile(r"(\d\d):(\d\d):(\d\d\.\d{6}) - SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{.*\}", re.S)


def run(log, options):
    real_open = builtins.open

    def open_log_line_by_line(file, mode="r", buffering=-1, *rest, **named):
        if file == log and "w" in mode:
            buffering = 1
        return real_open(file, mode, buffering, *rest, **named)

    builtins.open = open_log_line_by_line
    sys.argv = ["/usr/bin/orca", "--debug-file", log, *options]
    runpy.run_path("/usr/bin/orca", run_name="__main__")


def records(text):
    """The log's records: each timestamped line with the lines that go on from it."""
    record = None
    for line in text.split("\n"):
        if line.startswith(" " * 18) and record is not None:
            record += "\n" + line[18:]
            continue
        if record is not None:
            yield record
        record = line if re.match(r"\d\d:\d\d:\d\d\.\d{6} - ", line) else None
    if record is not None:
        yield record


def said(log, mark, times):
    with open(log, "rb") as file:
        file.seek(mark)
        data = file.read()
    # Only whole lines: Orca may be halfway through writing the last one.
    data = data[: data.rfind(b"\n") + 1]
    # The log's times are the wall clock's time of day, on the day of the log's last write, or on
    # the day before for a time later than that write: the log went on past midnight.
    written = os.stat(log).st_mtime
    day = datetime.datetime.fromtimestamp(written).replace(hour=0, minute=0, second=0, microsecond=0)
    for record in records(data.decode("utf-8", "replace")):
        match = RECORD.fullmatch(record)
        if not match:
            continue
        utterance = match.group(4)
        if times:
            when = day + datetime.timedelta(
                hours=int(match.group(1)), minutes=int(match.group(2)), seconds=float(match.group(3)))
            if when.timestamp() > written + 60:
                when -= datetime.timedelta(days=1)
            print(f"{when.timestamp():.6f} {utterance}")
        else:
            print(utterance)


def main():
    command = sys.argv[1] if len(sys.argv) > 2 else ""
    if command == "run":
        run(sys.argv[2], sys.argv[3:])
    elif command == "size":
        print(os.path.getsize(sys.argv[2]) if os.path.exists(sys.argv[2]) else 0)
    elif command == "said" and len(sys.argv) in (4, 5):
        said(sys.argv[2], int(sys.argv[3]), sys.argv[4:] == ["--times"])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""The whole program as a user runs it: CPU per thread, wake-ups and private
memory of two builds side by side.

Starts each build (normally the Release build of an older commit and of this
one) with --simulate (the two default simulated keyboards) on a private Xvfb
display with a plain window manager, both at the same time, each with its own
throw-away HOME, their windows side by side. For every scenario it opens the
page by clicking as a user would, lets the program settle, then reads
/proc/<pid>/task/*/stat and status over the measuring time:

  custom-keys  the cable keyboard current, its custom-keys page showing
  breath       the light page with its default effect (Breath)
  reactive     the light page with Reactive and 10 key presses a second (XTest)
  music        the light page with Musical Rhythm, a player at its default
               latency (paplay) playing into the null sink of a private
               PulseAudio server

and prints, per scenario and build: the share of one core of the whole
process, of its busiest threads, the wake-ups a second of its threads (the
voluntary context switches) and RssAnon at the end; then the ratios new/old.
The machines it runs on are shared: compare the two columns of one run, not
figures of different runs.

Usage:
  bench/process/bench_process.py --new build-rel/bin/vardex-keyboard \\
      --old ../lights-old/build-rel/bin/vardex-keyboard [--seconds 30] \\
      [--settle 6] [--scenarios custom-keys,breath,reactive,music]
Needs Xvfb, openbox, xdotool; the music row also pulseaudio and paplay.
"""

import argparse
import math
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import wave

# Window-relative click positions in the default window (1450 x 810,
# English). It opens with the cable keyboard current on its custom-keys page;
# the page tabs sit under the drawing, the light page's effect buttons in its
# Type row.
CLICK = {
    'custom-tab': (265, 528),
    'light-tab': (309, 529),
    'reactive': (899, 578),
    'music': (1092, 578),
}
WINDOW_WIDTH = 1450

TICKS = os.sysconf('SC_CLK_TCK')


def log(*a):
    print(*a, file=sys.stderr, flush=True)


class Display:
    def __init__(self, tmp, width, height):
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(w), '-screen', '0', '%dx%dx24' % (width, height),
                                      '-nolisten', 'tcp'], pass_fds=(w,), stderr=subprocess.DEVNULL)
        os.close(w)
        number = b''
        while not number.endswith(b'\n'):
            chunk = os.read(r, 16)
            if not chunk:
                raise RuntimeError('Xvfb did not start')
            number += chunk
        os.close(r)
        self.name = ':' + number.decode().strip()
        env = dict(os.environ, DISPLAY=self.name, HOME=tmp)
        self.wm = subprocess.Popen(['openbox'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)

    def close(self):
        for p in (self.wm, self.xvfb):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


class Pulse:
    """A private PulseAudio server with a null sink, or None where none runs."""

    def __init__(self, tmp):
        self.dir = os.path.join(tmp, 'pulse')
        os.makedirs(os.path.join(self.dir, 'runtime'), mode=0o700)
        self.socket = os.path.join(self.dir, 'native')
        self.env = dict(os.environ, HOME=self.dir, XDG_RUNTIME_DIR=os.path.join(self.dir, 'runtime'),
                        PULSE_RUNTIME_PATH=os.path.join(self.dir, 'runtime'), PULSE_SERVER='unix:' + self.socket)
        self.env.pop('DISPLAY', None)
        self.env.pop('DBUS_SESSION_BUS_ADDRESS', None)
        self.proc = None
        if not shutil.which('pulseaudio') or not shutil.which('paplay'):
            return
        self.proc = subprocess.Popen(
            ['pulseaudio', '-n', '--daemonize=no', '--exit-idle-time=-1', '--use-pid-file=no',
             '-L', 'module-null-sink sink_name=bench_null rate=44100',
             '-L', 'module-native-protocol-unix socket=%s auth-anonymous=1' % self.socket],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(80):
            if os.path.exists(self.socket) and subprocess.call(
                    ['pactl', 'info'], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) == 0:
                return
            time.sleep(0.1)
        self.close()

    def ok(self):
        return self.proc is not None

    def play(self, path):
        # paplay at its own default latency, as a user's player would be.
        return subprocess.Popen(['paplay', path], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def close(self):
        if self.proc:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
            self.proc = None


def write_music(path, seconds):
    """A chord whose loudness changes every quarter second, so bars move."""
    rate = 44100
    with wave.open(path, 'wb') as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(rate)
        frames = bytearray()
        for i in range(int(rate * seconds)):
            t = i / rate
            beat = 0.3 + 0.7 * ((int(t * 4) * 7) % 5) / 4
            s = beat * (0.3 * math.sin(2 * math.pi * 110 * t) + 0.2 * math.sin(2 * math.pi * 880 * t)
                        + 0.1 * math.sin(2 * math.pi * 3520 * t))
            v = int(s * 32000)
            frames += struct.pack('<hh', v, v)
        w.writeframes(bytes(frames))


class App:
    def __init__(self, label, exe, tmp, display, pulse):
        self.label = label
        home = os.path.join(tmp, label)
        os.makedirs(os.path.join(home, 'run'), mode=0o700, exist_ok=True)
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=os.path.join(home, 'run'),
                   XDG_DATA_HOME=os.path.join(home, '.local/share'), XDG_CONFIG_HOME=os.path.join(home, '.config'),
                   TMPDIR=tmp, DISPLAY=display.name, QT_QPA_PLATFORM='xcb', LANG='en_US.UTF-8')
        for k in ('LC_ALL', 'LC_MESSAGES', 'LANGUAGE', 'QT_XCB_GL_INTEGRATION', 'VARDEX_SIM_LOG'):
            env.pop(k, None)
        if pulse.ok():
            env['PULSE_SERVER'] = 'unix:' + pulse.socket
        self.env = env
        self.proc = subprocess.Popen([exe, '--simulate'], env=env, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        self.window = None

    def geometry(self):
        out = subprocess.run(['xdotool', 'getwindowgeometry', self.window], env=self.env, capture_output=True,
                             text=True).stdout
        return ' '.join(out.split()[2:])

    def wait_window(self):
        for _ in range(150):
            out = subprocess.run(['xdotool', 'search', '--onlyvisible', '--pid', str(self.proc.pid)],
                                 env=self.env, capture_output=True, text=True).stdout.split()
            if out:
                self.window = out[-1]
                return True
            time.sleep(0.1)
        return False

    def xdo(self, *args):
        subprocess.run(['xdotool'] + [str(a) for a in args], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    def click(self, name):
        x, y = CLICK[name]
        self.xdo('mousemove', '--window', self.window, x, y, 'click', 1)
        time.sleep(0.8)

    def threads(self):
        """tid -> (name, cpu ticks, voluntary switches)"""
        out = {}
        base = '/proc/%d/task' % self.proc.pid
        for tid in sorted(os.listdir(base), key=int):
            try:
                with open(os.path.join(base, tid, 'stat')) as f:
                    stat = f.read()
                name = stat[stat.index('(') + 1:stat.rindex(')')]
                fields = stat[stat.rindex(')') + 2:].split()
                ticks = int(fields[11]) + int(fields[12])
                vol = 0
                with open(os.path.join(base, tid, 'status')) as f:
                    for line in f:
                        if line.startswith('voluntary_ctxt_switches'):
                            vol = int(line.split()[1])
                out[tid] = (name, ticks, vol)
            except (OSError, ValueError):
                pass
        return out

    def rss_anon_kb(self):
        with open('/proc/%d/status' % self.proc.pid) as f:
            for line in f:
                if line.startswith('RssAnon'):
                    return int(line.split()[1])
        return 0

    def stop(self):
        self.proc.terminate()
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


def measure(apps, seconds, during=None):
    before = {a.label: a.threads() for a in apps}
    t0 = time.monotonic()
    if during:
        during(seconds)
    else:
        time.sleep(seconds)
    secs = time.monotonic() - t0
    result = {}
    for a in apps:
        after = a.threads()
        rows = {}
        for tid, (name, ticks, vol) in after.items():
            b = before[a.label].get(tid, (name, 0, 0))
            cpu = (ticks - b[1]) / TICKS / secs * 100.0
            wake = (vol - b[2]) / secs
            key = name
            n = 2
            while key in rows:  # threads of the same name, e.g. two transports
                key = '%s#%d' % (name, n)
                n += 1
            rows[key] = (cpu, wake)
        result[a.label] = {'threads': rows, 'cpu': sum(c for c, _ in rows.values()), 'rss': a.rss_anon_kb()}
    return result


def report(scenario, result, labels):
    print('\n== %s ==' % scenario)
    old, new = labels
    print('%-22s %14s %14s %8s' % ('', old, new, 'new/old'))

    def ratio(a, b):
        return ('%.2f' % (b / a)) if a > 0 else '-'
    o, n = result[old], result[new]
    print('%-22s %13.2f%% %13.2f%% %8s' % ('process CPU', o['cpu'], n['cpu'], ratio(o['cpu'], n['cpu'])))
    print('%-22s %11.1f MB %11.1f MB %8s' % ('RssAnon', o['rss'] / 1024, n['rss'] / 1024, ratio(o['rss'], n['rss'])))
    names = sorted(set(o['threads']) | set(n['threads']),
                   key=lambda k: -max(o['threads'].get(k, (0, 0))[0], n['threads'].get(k, (0, 0))[0]))
    for k in names:
        oc, ow = o['threads'].get(k, (0.0, 0.0))
        nc, nw = n['threads'].get(k, (0.0, 0.0))
        if max(oc, nc) < 0.05 and max(ow, nw) < 1:
            continue
        print('  %-20s %6.2f%% %5.0f/s %6.2f%% %5.0f/s %8s' % (k[:20], oc, ow, nc, nw, ratio(oc, nc)))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--new', required=True)
    ap.add_argument('--old', required=True)
    ap.add_argument('--seconds', type=float, default=30)
    ap.add_argument('--settle', type=float, default=6)
    ap.add_argument('--scenarios', default='custom-keys,breath,reactive,music')
    ap.add_argument('--keep', action='store_true', help='leave the scratch folder')
    args = ap.parse_args()

    tmp = tempfile.mkdtemp(prefix='vardex-bench-')
    display = Display(tmp, 2 * WINDOW_WIDTH + 100, 900)
    pulse = Pulse(tmp)
    music = os.path.join(tmp, 'music.wav')
    try:
        for scenario in args.scenarios.split(','):
            if scenario == 'music' and not pulse.ok():
                log('music: no PulseAudio server could be started, row left out')
                continue
            apps = [App('old', args.old, tmp, display, pulse), App('new', args.new, tmp, display, pulse)]
            try:
                for i, a in enumerate(apps):
                    if not a.wait_window():
                        raise RuntimeError('%s shows no window' % a.label)
                    a.xdo('windowmove', a.window, i * (WINDOW_WIDTH + 50), 0)
                time.sleep(1.5)
                log('%s: windows %s' % (scenario, ' | '.join(a.geometry() for a in apps)))
                for a in apps:
                    if scenario == 'custom-keys':
                        a.click('custom-tab')
                    else:
                        a.click('light-tab')
                    if scenario in ('reactive', 'music'):
                        a.click(scenario)
                    # Nothing stays hovered: the pointer leaves the window.
                    a.xdo('mousemove', 2 * WINDOW_WIDTH + 90, 890)
                time.sleep(1.0)
                shot = os.path.join(tmp, scenario + '.png')
                subprocess.run(['import', '-window', 'root', shot], env=apps[0].env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
                during = None
                player = None
                if scenario == 'reactive':
                    def during(seconds):
                        end = time.monotonic() + seconds
                        nxt = time.monotonic()
                        while time.monotonic() < end:
                            apps[0].xdo('key', 'a')
                            nxt += 0.1
                            time.sleep(max(0.0, nxt - time.monotonic()))
                if scenario == 'music':
                    if not os.path.exists(music):
                        write_music(music, args.seconds + args.settle + 10)
                    player = pulse.play(music)
                time.sleep(args.settle)
                result = measure(apps, args.seconds, during)
                if player:
                    player.terminate()
                    player.wait()
                report(scenario, result, ('old', 'new'))
            finally:
                for a in apps:
                    a.stop()
    finally:
        pulse.close()
        display.close()
        if not args.keep:
            shutil.rmtree(tmp, ignore_errors=True)
        else:
            log('scratch folder kept:', tmp)


if __name__ == '__main__':
    main()

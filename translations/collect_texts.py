#!/usr/bin/env python3
# Collects the texts the program translates at run time, under the context
# each one is looked up in, and checks that the German catalogue has a
# finished entry for every one of them there.
#
#   collect_texts.py LUPDATE            check; lists what lacks a German entry
#   collect_texts.py LUPDATE --update   merge the texts into planformix_de.ts
#                                       (then run fill_catalogue.py)
#
# lupdate files a tr() call under the class it stands in. Some sources look
# their texts up through a file-local helper, tr(text) or translate(text) returning
# QCoreApplication::translate("Context", text); lupdate would file those
# under the surrounding class, or under none, while the program asks the
# helper's context. So lupdate reads a copy of the sources in which every
# call of such a helper names its context outright.
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
CATALOGUE = os.path.join(HERE, 'planformix_de.ts')

HELPER = re.compile(r'QString\s+(\w+)\s*\(\s*const\s+char\s*\*\s*(\w+)\s*\)\s*\{\s*'
                    r'return\s+QCoreApplication::translate\(\s*"(\w+)"\s*,\s*\2\s*\)\s*;\s*\}')


def resolve_helpers(text):
    match = HELPER.search(text)
    if not match:
        return text
    helper, context = match.group(1), match.group(3)
    # A call of the helper: its name not preceded by a name character, ::,
    # . or ->.
    call = re.compile(r'(?<![\w:.>])%s\s*\(' % helper)
    head, tail = text[:match.end()], text[match.end():]
    return head + call.sub('QCoreApplication::translate("%s", ' % context, tail)


def copy_sources(target):
    for folder in ('src', 'forms'):
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            out = os.path.join(target, os.path.relpath(base, ROOT))
            os.makedirs(out, exist_ok=True)
            for name in files:
                source = os.path.join(base, name)
                if name.endswith(('.cpp', '.h')):
                    with open(source, encoding='utf-8') as f:
                        text = resolve_helpers(f.read())
                    with open(os.path.join(out, name), 'w', encoding='utf-8') as f:
                        f.write(text)
                elif name.endswith('.ui'):
                    shutil.copy(source, out)


def collect(lupdate, work, ts):
    copy_sources(work)
    result = subprocess.run([lupdate, '-no-obsolete', '-locations', 'none', 'src', 'forms', '-ts', ts],
                            cwd=work, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if result.returncode != 0:
        sys.exit('lupdate failed:\n' + result.stdout)


def messages(ts, finished_only):
    found = set()
    for context in ET.parse(ts).getroot().findall('context'):
        name = context.find('name').text
        for message in context.findall('message'):
            translation = message.find('translation')
            finished = (translation is not None and translation.text
                        and translation.get('type') not in ('unfinished', 'vanished', 'obsolete'))
            if finished or not finished_only:
                found.add((name, message.find('source').text or ''))
    return found


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__ or 'usage: collect_texts.py LUPDATE [--update]')
    lupdate = sys.argv[1]
    update = '--update' in sys.argv[2:]
    with tempfile.TemporaryDirectory() as work:
        ts = os.path.join(work, 'collected.ts')
        if update:
            shutil.copy(CATALOGUE, ts)
        collect(lupdate, work, ts)
        if update:
            shutil.copy(ts, CATALOGUE)
            return 0
        missing = sorted(messages(ts, False) - messages(CATALOGUE, True))
    for context, source in missing:
        print('no German entry in context %s: %r' % (context, source))
    if missing:
        print('%d text(s) would show in English in German mode' % len(missing))
        return 1
    print('every collected text has a German entry in its context')
    return 0


if __name__ == '__main__':
    sys.exit(main())

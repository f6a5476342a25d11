#!/usr/bin/env python3
# Collects the texts the program translates at run time, under the context
# each one is looked up in, and checks that the German catalogue has a
# finished entry for every one of them there.
#
#   collect_texts.py LUPDATE            check; lists what lacks a German entry
#   collect_texts.py LUPDATE --update   merge the texts into planformix_de.ts
#                                       (then run fill_catalogue.py)
#   collect_texts.py LUPDATE --sources DIR
#                                       check the sources under DIR instead
#                                       of the program's
#
# lupdate files a tr() call under the class it stands in. Some sources look
# their texts up through a file-local helper, such as tr(text) or
# translate(text, disambiguation) returning
# QCoreApplication::translate("Context", text, ...); lupdate would file those
# under the surrounding class, or under none, while the program asks the
# helper's context. So lupdate reads a copy of the sources in which every
# call of such a helper is written out as the translate() call it makes.
#
# A text lupdate cannot give a context is one the program looks up where no
# German is filed: a tr() in a class without Q_OBJECT is asked under the
# base class at run time, a helper not recognised here under nothing. lupdate
# only warns of these and leaves the text out, so every such warning fails
# the check (and the update) until the source names its context.
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

# QString name(const char* text, more parameters)
# { return QCoreApplication::translate("Context", arguments); }
HELPER = re.compile(r'QString\s+(\w+)\s*\(\s*(const\s+char\s*\*\s*\w+(?:\s*,[^(){};]*)?)\)\s*\{\s*'
                    r'return\s+QCoreApplication::translate\(\s*"(\w+)"\s*,([^;]*)\)\s*;\s*\}')

# What lupdate says when a text has no context it can name.
MISSING_CONTEXT = re.compile(r'lacks Q_OBJECT macro|tr\(\) cannot be called without context'
                             r'|Qualifying with unknown namespace/class|Cannot invoke tr\(\) like this')


def split_arguments(text):
    """The comma-separated parts of an argument list, with strings,
    characters and nested brackets kept whole; None when it is unbalanced."""
    parts, depth, start, i = [], 0, 0, 0
    while i < len(text):
        c = text[i]
        if c in '"\'':
            end = i + 1
            while end < len(text) and text[end] != c:
                end += 2 if text[end] == '\\' else 1
            i = end
        elif c in '([{':
            depth += 1
        elif c in ')]}':
            depth -= 1
            if depth < 0:
                return None
        elif c == ',' and depth == 0:
            parts.append(text[start:i].strip())
            start = i + 1
        i += 1
    if depth != 0:
        return None
    parts.append(text[start:].strip())
    return parts


def closing_bracket(text, opening):
    """The index of the bracket that closes the one at opening, or -1."""
    depth, i = 0, opening
    while i < len(text):
        c = text[i]
        if c in '"\'':
            i += 1
            while i < len(text) and text[i] != c:
                i += 2 if text[i] == '\\' else 1
        elif c == '(':
            depth += 1
        elif c == ')':
            depth -= 1
            if depth == 0:
                return i
        i += 1
    return -1


def parameters(declaration):
    """Names and default values of a helper's parameters."""
    result = []
    for part in split_arguments(declaration) or []:
        head, _, default = part.partition('=')
        result.append((re.findall(r'\w+', head)[-1], default.strip() or None))
    return result


def resolve_helper(text, helper, params, context, body):
    """Writes every call of the helper after its definition as the
    translate() call it makes."""
    # A call of the helper: its name not preceded by a name character, ::,
    # . or ->.
    call = re.compile(r'(?<![\w:.>])%s\s*\(' % helper)
    out, pos = [], 0
    while True:
        match = call.search(text, pos)
        if not match:
            break
        end = closing_bracket(text, match.end() - 1)
        arguments = split_arguments(text[match.end():end]) if end >= 0 else None
        if arguments is None or len(arguments) > len(params):
            out.append(text[pos:match.end()])
            pos = match.end()
            continue
        values = {}
        for index, (name, default) in enumerate(params):
            values[name] = arguments[index] if index < len(arguments) and arguments[index] else default
        if any(value is None for value in values.values()):
            out.append(text[pos:match.end()])
            pos = match.end()
            continue
        replaced = re.sub(r'\b(%s)\b' % '|'.join(values), lambda m: values[m.group(1)], body)
        out.append(text[pos:match.start()])
        out.append('QCoreApplication::translate("%s", %s)' % (context, replaced))
        pos = end + 1
    out.append(text[pos:])
    return ''.join(out)


def resolve_helpers(text):
    done, rest = '', text
    while True:
        match = HELPER.search(rest)
        if not match:
            return done + rest
        helper, context = match.group(1), match.group(3)
        params = parameters(match.group(2))
        body = match.group(4).strip()
        done += rest[:match.end()]
        # A helper that does more with the text than look it up is not one.
        if split_arguments(body) is not None:
            rest = resolve_helper(rest[match.end():], helper, params, context, body)
        else:
            rest = rest[match.end():]


def copy_sources(sources, folders, target):
    for folder in folders:
        for base, _, files in os.walk(os.path.join(sources, folder)):
            out = os.path.join(target, os.path.relpath(base, sources))
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


def collect(lupdate, sources, folders, work, ts):
    """Runs lupdate on a copy of the sources; returns its warnings about
    texts without a context, with the paths of the sources."""
    tree = os.path.join(work, 'sources')
    copy_sources(sources, folders, tree)
    result = subprocess.run([lupdate, '-no-obsolete', '-locations', 'none'] + folders + ['-ts', ts],
                            cwd=tree, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if result.returncode != 0:
        sys.exit('lupdate failed:\n' + result.stdout)
    return [line.replace(os.path.realpath(tree), sources).replace(tree, sources)
            for line in result.stdout.splitlines() if MISSING_CONTEXT.search(line)]


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
    args = sys.argv[1:]
    if not args or args[0].startswith('-'):
        sys.exit(__doc__ or 'usage: collect_texts.py LUPDATE [--update | --sources DIR]')
    lupdate = args[0]
    update = '--update' in args[1:]
    sources, folders = ROOT, ['src', 'forms']
    if '--sources' in args[1:]:
        index = args.index('--sources') + 1
        if update or index >= len(args):
            sys.exit('--sources takes a folder and does not go with --update')
        sources, folders = os.path.abspath(args[index]), ['.']
    with tempfile.TemporaryDirectory() as work:
        ts = os.path.join(work, 'collected.ts')
        if update:
            shutil.copy(CATALOGUE, ts)
        warnings = collect(lupdate, sources, folders, work, ts)
        for line in warnings:
            print(line)
        if warnings:
            print('%d text(s) have no context lupdate can name: give the class Q_OBJECT '
                  'or look the text up under its context' % len(warnings))
            return 1
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

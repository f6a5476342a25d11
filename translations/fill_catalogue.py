#!/usr/bin/env python3
# Puts the German wording of german.py into planformix_de.ts. Run after
# the program's texts have been collected under the contexts they are looked
# up in:
#   python3 translations/collect_texts.py lupdate --update
#   python3 translations/fill_catalogue.py
# Texts that german.py knows but the sources do not use yet are kept, so a
# form can be translated before it is written. Prints the texts still
# lacking a German wording.
import os
import sys
import xml.etree.ElementTree as ET

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
from german import GERMAN  # noqa: E402

path = os.path.join(here, 'planformix_de.ts')
root = ET.parse(path).getroot()
root.set('language', 'de_DE')
root.set('version', '2.1')

contexts = {c.find('name').text: c for c in root.findall('context')}
missing = []
for name, texts in GERMAN.items():
    ctx = contexts.get(name)
    if ctx is None:
        ctx = ET.SubElement(root, 'context')
        ET.SubElement(ctx, 'name').text = name
        contexts[name] = ctx
    known = {m.find('source').text for m in ctx.findall('message')}
    for source in texts:
        if source not in known:
            msg = ET.SubElement(ctx, 'message')
            ET.SubElement(msg, 'source').text = source
            ET.SubElement(msg, 'translation')

for name in sorted(contexts):
    ctx = contexts[name]
    for msg in ctx.findall('message'):
        source = msg.find('source').text or ''
        tr = msg.find('translation')
        german = GERMAN.get(name, {}).get(source)
        if german is None:
            if tr.text is None or tr.get('type') == 'unfinished':
                missing.append((name, source))
            continue
        if tr.get('type') in ('vanished', 'obsolete'):
            continue  # no longer used by the sources; lrelease skips it
        tr.text = german
        tr.attrib.pop('type', None)

# Stable order: contexts by name, as lupdate writes them.
ctxs = sorted(root.findall('context'), key=lambda c: c.find('name').text)
for c in root.findall('context'):
    root.remove(c)
for c in ctxs:
    root.append(c)

ET.indent(root, space='    ')
with open(path, 'w', encoding='utf-8') as f:
    f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    f.write(ET.tostring(root, encoding='unicode'))
    f.write('\n')

for name, source in missing:
    print('untranslated: %s: %r' % (name, source))

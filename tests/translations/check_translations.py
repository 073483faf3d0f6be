#!/usr/bin/env python3
"""Fails when a shipped language lacks a finished translation of any text the sources hold, or
when a translation drops a %1-style argument, %n or a plural form.

The sources are scanned afresh with lupdate into a copy of each file, so a text added to the code
but never translated is caught too.

usage: check_translations.py LUPDATE SOURCE_DIR TRANSLATIONS_DIR LANGUAGE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# How many plural forms Qt's rules give each language (Qt's own numerus rules).
PLURAL_FORMS = {'ru': 3, 'uk': 3, 'pl': 3, 'sr': 3, 'ro': 3, 'pt_BR': 2, 'es': 2, 'de': 2, 'hu': 1,
                'tr': 1}

ARGUMENT = re.compile(r'%L?(\d{1,2})')


def arguments(text):
    return sorted(set(ARGUMENT.findall(text or '')))


def written(element):
    """The element's text as the program gets it: lupdate keeps a carriage return as <byte value="xd"/>."""
    parts = [element.text or '']
    for child in element:
        if child.tag == 'byte':
            parts.append(chr(int(child.get('value').lstrip('x'), 16)))
        parts.append(child.tail or '')
    return ''.join(parts)


def line_breaks_at_end(text):
    return text[len(text.rstrip('\r\n')):]


def problems_in(ts_file, language):
    found = []
    root = ET.parse(ts_file).getroot()
    # lrelease takes the plural rules from the file's own language, not from its name.
    declared = (root.get('language') or '').replace('-', '_')
    if declared.split('_')[0] != language.split('_')[0]:
        found.append('%s: the file says it is in "%s"' % (language, declared))
    for context in root.findall('context'):
        name = context.findtext('name')
        for message in context.findall('message'):
            source = message.findtext('source') or ''
            where = '%s: %s "%s"' % (language, name, source[:60])
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'missing'
            if kind in ('unfinished', 'missing'):
                found.append(where + ': not translated')
                continue
            if kind in ('vanished', 'obsolete'):
                continue
            if message.get('numerus') == 'yes':
                forms = [f.text or '' for f in translation.findall('numerusform')]
                # A script or country keeps its language's rules: sr_Latn has Serbian's three forms.
                wanted = PLURAL_FORMS.get(language, PLURAL_FORMS.get(language.split('_')[0]))
                if wanted is not None and len(forms) != wanted:
                    found.append(where + ': %d plural forms, the language has %d' % (len(forms), wanted))
                texts = forms
            else:
                texts = [translation.text or '']
                # A message that ends in line breaks goes on with something placed below it.
                if line_breaks_at_end(written(translation)) != line_breaks_at_end(written(message.find('source'))):
                    found.append(where + ': the line breaks at the end differ from the source\'s')
            for text in texts:
                if not text.strip() and source.strip():
                    found.append(where + ': empty translation')
                if arguments(text) != arguments(source):
                    found.append(where + ': arguments %s, the source has %s' % (arguments(text), arguments(source)))
                if ('%n' in source) != ('%n' in text):
                    found.append(where + ': %n kept in the source and the translation differently')
    return found


def main():
    lupdate, sources, translations, languages = sys.argv[1], sys.argv[2], Path(sys.argv[3]), sys.argv[4:]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for language in languages:
            kept = translations / ('zib_%s.ts' % language)
            if not kept.exists():
                problems.append('%s: no file %s' % (language, kept))
                continue
            fresh = Path(scratch) / kept.name
            shutil.copy(kept, fresh)
            subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', sources, '-ts', str(fresh)],
                           check=True)
            problems += problems_in(fresh, language)
    for problem in problems:
        print(problem)
    print('%d problem(s) in %d language(s)' % (len(problems), len(languages)))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())

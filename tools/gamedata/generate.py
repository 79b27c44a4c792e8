#!/usr/bin/python3
"""Writes the shipped rune data in English and in Japanese.

The English pair (rune.dat, runename.dat) is this project's own record of the
rune words: recipes, kinds, patch and the effect lines as the game prints
them. Every line of it is read back through the game's string tables: a line
is matched against the game's English templates, and the template's key gives
the Japanese template of the same string, which is filled with the same
values. Names (runes, rune words, skills, classes, kinds) go through the keys
of the same tables. Where a newer English table words a template otherwise,
the English line follows it.

Usage:
    generate.py --data DATA_DIR --strings DIR [--strings DIR ...]
                [--english-table FILE] [--out DIR]

DATA_DIR holds rune.dat and runename.dat. Each --strings folder holds string
tables as JSON lists of {"Key", "enUS", "jaJP", ...}; a later folder wins
over an earlier one, and where they disagree on a Japanese text the
generator says so. --english-table is a JSON object {key: English text}
(of a later game build, format codes left out), used only to follow the
English wording of that build.
"""

import argparse
import glob
import json
import os
import re
import sys
import time

ENCODING = 'shift_jis'
NEWLINE = '\r\n'
CONTINUATION = '  '          # English continuation lines: two blanks in quotes
JA_CONTINUATION = '\u3000'   # Japanese ones: one full-width blank
# The info panel's width in half-width cells for Japanese lines (a
# full-width character takes two); the panel width test checks it.
JA_WIDTH = 40
JA_RUNE_WIDTH = 32
RANGE = '\u301c'             # 〜 between the ends of a rolled value

# Texts the game puts after a template's text: (English, key of the Japanese).
SUFFIXES = [('(Based on Character Level)', 'increaseswithplaylevelX')] + [
    (f'({name} Only)', key) for name, key in (
        ('Amazon', 'AmaOnly'), ('Assassin', 'AssOnly'), ('Barbarian', 'BarOnly'), ('Druid', 'DruOnly'),
        ('Necromancer', 'NecOnly'), ('Paladin', 'PalOnly'), ('Sorceress', 'SorOnly'))]

# Kinds of [Item Kinds] in Japanese: the game's own word for the kind, by
# string key, or a name made of the game's words (a class's "(X Only)" text
# and "Items"). Kinds that have neither stay English (listed in SOURCES.md).
KIND_KEYS = {
    'Weapons': 'strBSWeapons', 'Armor': 'Armor', 'Axes': 'axe', 'Throwing Axes': 'tax',
    'Clubs': 'clb', 'Maces': 'mac', 'Rods': 'Rod', 'Scepters': 'scp', 'Wands': 'wnd',
    'Daggers': 'dgr', 'Throwing Knives': 'tkf', 'Spears': 'spr', 'Javelins': 'jav',
    'Claws': 'clw', 'Crossbows': 'mxb', 'Orbs': 'Orb', 'Helms': 'hlm',
    'Circlets': 'circlet', 'Shields': 'shield',
}
CLASS_ONLY_KEYS = {
    'Amazon': 'AmaOnly', 'Assassin': 'AssOnly', 'Barbarian': 'BarOnly', 'Druid': 'DruOnly',
    'Necromancer': 'NecOnly', 'Paladin': 'PalOnly', 'Sorceress': 'SorOnly',
}
CLASS_KIND = re.compile(r'^(\w+) (Items|Helms|Shields|Pelts|Bows|Spears|Javelins)$')
KIND_WORDS = {'Items': 'AdvancedItems', 'Helms': 'hlm', 'Shields': 'shield', 'Pelts': 'Pelt',
              'Spears': 'spr', 'Javelins': 'jav'}


def fail(message):
    sys.exit('generate.py: ' + message)


class Strings:
    """The game's string tables: key -> {language: text}."""

    def __init__(self, folders):
        self.by_key = {}
        self.disagreements = []
        for folder in folders:
            files = sorted(glob.glob(os.path.join(folder, '*.json')))
            if not files:
                fail(f'no string tables (*.json) in {folder}')
            for path in files:
                try:
                    with open(path, encoding='utf-8-sig') as f:
                        rows = json.load(f)
                except (OSError, ValueError):
                    print(f'generate.py: skipped {path}: not a readable JSON table', file=sys.stderr)
                    continue
                if not isinstance(rows, list):
                    continue
                for row in rows:
                    key = row.get('Key')
                    if not key or not row.get('enUS') or not row.get('jaJP'):
                        continue
                    old = self.by_key.get(key)
                    if old and old['jaJP'] != row['jaJP'] and old['enUS'] == row['enUS']:
                        self.disagreements.append((key, old['jaJP'], row['jaJP']))
                    self.by_key[key] = {'enUS': row['enUS'], 'jaJP': row['jaJP'],
                                        'file': os.path.basename(path)}

    def ja(self, key):
        row = self.by_key.get(key)
        return row['jaJP'] if row else None

    def find(self, english, prefixes=None, files=None):
        """The Japanese text of the key whose English text is `english`."""
        for key, row in self.by_key.items():
            if row['enUS'] != english:
                continue
            if prefixes and not key.lower().startswith(prefixes):
                continue
            if files and row['file'] not in files:
                continue
            return key, row['jaJP']
        return None, None


# --- Templates -----------------------------------------------------------

TOKEN = re.compile(r'%(\+?)(d|s|[0-9])|%%')
NUMBER = r'(?:[+-]?\d+(?:-\d+)?)'


class Template:
    def __init__(self, key, english, japanese):
        self.key = key
        self.english = english
        self.japanese = japanese
        pattern = ''
        pos = 0
        self.kinds = []
        for m in TOKEN.finditer(english):
            pattern += re.escape(english[pos:m.start()])
            pos = m.end()
            if m.group(0) == '%%':
                pattern += '%'
            elif m.group(2) == 's':
                pattern += '(.+?)'
                self.kinds.append('s')
            else:
                pattern += '(' + NUMBER + ')'
                self.kinds.append('d')
        pattern += re.escape(english[pos:])
        self.regex = re.compile('^' + pattern + '$')
        self.literal = len(TOKEN.sub('', english))

    def match(self, line):
        m = self.regex.match(line)
        return list(m.groups()) if m else None

    def fill_english(self, args):
        return fill(self.english, args, lambda v: v)

    def fill_japanese(self, args):
        return fill(self.japanese, args, japanese_number)


def japanese_number(value):
    return re.sub(r'(?<=\d)-(?=\d)', RANGE, value)


def fill(template, args, number):
    """Fills %d, %+d, %s in order and %0..%9, %+0 by position."""
    out = []
    pos = 0
    index = 0
    for m in TOKEN.finditer(template):
        out.append(template[pos:m.start()])
        pos = m.end()
        if m.group(0) == '%%':
            out.append('%')
            continue
        sign, kind = m.group(1), m.group(2)
        if kind.isdigit():
            value = args[int(kind)]
        else:
            value = args[index]
            index += 1
        if kind != 's' and value[:1] not in '+-' and re.match(r'\d', value):
            value = ('+' if sign else '') + value
        elif kind != 's' and not sign and value.startswith('+'):
            value = value[1:]
        out.append(number(value) if kind != 's' else value)
    out.append(template[pos:])
    return ''.join(out)


def later_wording(english_template, later):
    """The template as a later build words it: `later` is its text with the
    format codes left out. Only a text with one run of words between codes is
    followed, so that the codes keep their places."""
    pieces = TOKEN.split(english_template)
    words = TOKEN.sub('\0', english_template).split('\0')
    literal = [w for w in words if w.strip()]
    if len(literal) != 1:
        return english_template
    old = literal[0].strip()
    # A later text that differs only in letter case is not followed: the
    # item line keeps the capitals of the template it was printed with.
    if old.lower() == later.strip().lower() or TOKEN.search(later):
        return english_template
    del pieces
    return english_template.replace(old, later.strip(), 1)


class Translator:
    def __init__(self, strings, later_english):
        self.strings = strings
        self.templates = []
        for key, row in strings.by_key.items():
            if row['file'] != 'item-modifiers.json' or '%' not in row['enUS'] and not row['enUS'].strip():
                continue
            english = row['enUS']
            later = later_english.get(key)
            corrected = later_wording(english, later) if later else english
            template = Template(key, english, row['jaJP'])
            template.corrected = corrected
            self.templates.append(template)
            if corrected != english:
                # A line already in the later wording reads the same.
                later_template = Template(key, corrected, row['jaJP'])
                later_template.corrected = corrected
                self.templates.append(later_template)
        # The most literal text first, so that "%+d to %s" does not take a
        # line that a longer template words exactly.
        self.templates.sort(key=lambda t: (-t.literal, len(t.kinds), t.key))
        self.skills = {}
        for key, row in strings.by_key.items():
            if key.lower().startswith('skillname') and row['enUS'] not in self.skills:
                self.skills[row['enUS']] = row['jaJP']
        self.classes = {}
        for name, key in CLASS_ONLY_KEYS.items():
            text = strings.ja(key)
            if text:
                self.classes[name] = text
        self.used = {}
        self.untranslated = []
        self.changed = []

    def name_argument(self, value):
        if value in self.skills:
            return self.skills[value]
        if value in self.skills.values():
            return value
        return None

    def line(self, english):
        """(English line as the game words it, Japanese line or None).

        What the game adds after a template is taken off, the rest matched,
        and the addition put back in Japanese: the per-level note, a class's
        "(X Only)", and a bare value after a template that takes none."""
        for suffix, key in SUFFIXES:
            if english.endswith(' ' + suffix):
                new_english, ja = self.line(english[:-len(suffix) - 1])
                if ja is None:
                    self.untranslated.pop()
                    break
                return new_english + ' ' + suffix, ja + self.strings.ja(key).strip()
        m = re.fullmatch(r'(.*[A-Za-z]) ([+-]\d+)', english)
        if m:
            for template in self.templates:
                if not template.kinds and template.english == m.group(1):
                    return english, template.japanese + ' ' + m.group(2)
        return self.matched(english)

    def matched(self, english):
        for template in self.templates:
            args = template.match(english)
            if args is None:
                continue
            ja_args = []
            ok = True
            for kind, value in zip(template.kinds, args):
                if kind == 's':
                    name = self.name_argument(value)
                    if name is None:
                        ok = False
                        break
                    ja_args.append(name)
                else:
                    ja_args.append(value)
            if not ok:
                continue
            new_english = english
            try:
                japanese = template.fill_japanese(ja_args)
                if template.corrected != template.english:
                    new_english = fill(template.corrected, args, lambda v: v)
            except (IndexError, ValueError):
                continue
            if new_english != english:
                self.changed.append((english, new_english, template.key, template.corrected))
            return new_english, japanese
        self.untranslated.append(english)
        return english, None


# --- rune.dat ------------------------------------------------------------

def read_lines(path):
    with open(path, 'rb') as f:
        data = f.read()
    text = data.decode(ENCODING)
    lines = text.split(NEWLINE)
    if lines and lines[-1] == '':
        lines.pop()
    return lines


def parse_sections(lines):
    """[(name or None, [lines])]: the lines before the first section first."""
    sections = [(None, [])]
    for line in lines:
        if line.startswith('[') and line.endswith(']'):
            sections.append((line[1:-1], []))
        sections[-1][1].append(line)
    return sections


def is_continuation(value):
    return value.startswith('"' + CONTINUATION) and value.endswith('"')


def joined_effects(entries, prefix):
    """The keys prefix1..N as whole lines: a continuation joins the line above."""
    whole = []
    for key, value in entries:
        if not re.fullmatch(re.escape(prefix) + r'\d+', key):
            continue
        if is_continuation(value) and whole:
            whole[-1] = (whole[-1][0] + ' ' + value[1 + len(CONTINUATION):-1], whole[-1][1] + 1)
        else:
            whole.append((value, 1))
    return whole


def cell_width(text):
    import unicodedata
    return sum(2 if unicodedata.east_asian_width(c) in 'WF' else 1 for c in text)


def wrap_japanese(text, width=None, continuation=None):
    """Pieces of at most JA_WIDTH cells; the second and later go on indented.
    Breaks after a closing bracket, a comma or before an opening one where it
    can, else anywhere."""
    width = width or JA_WIDTH
    continuation = JA_CONTINUATION if continuation is None else continuation
    pieces = []
    indent = 0
    while cell_width(text) + indent > width:
        limit = width - indent
        cut = 0
        best = 0
        for i, c in enumerate(text):
            if cell_width(text[:i + 1]) > limit:
                break
            cut = i + 1
            if c in '）〉、。' or (i + 1 < len(text) and text[i + 1] in '（〈'):
                best = i + 1
        if best and best > cut // 2:
            cut = best
        pieces.append(text[:cut])
        text = text[cut:]
        indent = cell_width(continuation)
    pieces.append(text)
    return pieces


def effect_entries(prefix, pieces_list):
    """Keys prefix1..N; a piece is an English text or (Japanese text, its
    continuation blank)."""
    out = []
    for pieces in pieces_list:
        for n, piece in enumerate(pieces):
            text, continuation = piece if isinstance(piece, tuple) else (piece, CONTINUATION)
            value = text if n == 0 else '"' + continuation + text + '"'
            out.append((f'{prefix}{len(out) + 1}', value))
    return out


def key_values(lines):
    entries = []
    for line in lines[1:]:
        if '=' in line and not line.startswith(';'):
            key, value = line.split('=', 1)
            entries.append((key, value))
    return entries


class Generator:
    def __init__(self, strings, translator):
        self.strings = strings
        self.translator = translator
        self.rune_words = {}
        for key, row in strings.by_key.items():
            if key.startswith('Runeword') and row['file'] == 'item-runes.json':
                self.rune_words.setdefault(row['enUS'], row['jaJP'])
        self.runes = {}
        for n in range(1, 34):
            short = strings.ja(f'r{n:02d}L')
            if not short:
                fail(f'the string tables have no short name of rune {n} (key r{n:02d}L)')
            self.runes[strings.by_key[f'r{n:02d}L']['enUS']] = short
        self.kinds = {}
        self.kinds_left = []
        self.names_left = []
        self.lines_ja = 0

    def kind(self, english):
        if english in self.kinds:
            return self.kinds[english]
        ja = None
        if english in KIND_KEYS:
            ja = self.strings.ja(KIND_KEYS[english])
        else:
            m = CLASS_KIND.match(english)
            if m and m.group(1) in CLASS_ONLY_KEYS and m.group(2) in KIND_WORDS:
                only = self.strings.ja(CLASS_ONLY_KEYS[m.group(1)])
                word = self.strings.ja(KIND_WORDS[m.group(2)])
                if only and word:
                    ja = only.strip('（）()') + word
        if ja is None:
            self.kinds_left.append(english)
            ja = english
        self.kinds[english] = ja
        return ja

    def kinds_list(self, value):
        return ', '.join(self.kind(k.strip()) for k in value.split(',') if k.strip())

    def rune_word_name(self, english):
        ja = self.rune_words.get(english)
        if ja is None:
            if english not in self.names_left:
                self.names_left.append(english)
            return english
        return ja

    def effects(self, entries, prefix):
        """English entries (as the game words them) and Japanese entries."""
        english_pieces = []
        japanese_pieces = []
        values = [v for k, v in entries if re.fullmatch(re.escape(prefix) + r'\d+', k)]
        at = 0
        for value, parts in joined_effects(entries, prefix):
            new_english, ja = self.translator.line(value)
            english_pieces.append((value, new_english, parts))
            if ja is None:
                # Left English: split where the English file splits it.
                japanese_pieces.append([values[at]] + [v[1 + len(CONTINUATION):-1] for v in values[at + 1:at + parts]])
            else:
                self.lines_ja += 1
                japanese_pieces.append([(p, JA_CONTINUATION) for p in wrap_japanese(ja)])
            at += parts
        return english_pieces, effect_entries(prefix, japanese_pieces)

    def run(self, rune_dat, names):
        sections = parse_sections(rune_dat)
        english_out = []
        japanese_out = []
        names_ja = []
        for name, lines in sections:
            if name is None:
                english_out += lines
                japanese_out += lines
                continue
            entries = key_values(lines)
            comments_after = []
            # Blank and comment lines at a section's end belong before the next.
            body = list(lines)
            while body and (body[-1] == '' or body[-1].startswith(';')):
                comments_after.insert(0, body.pop())
            if name in names:
                en, ja = self.rune_word(name, entries, body)
            elif name.startswith('Rune#'):
                en, ja = self.rune(name, entries, body)
            elif name == 'Item Kinds':
                en = body
                ja = ['[Item Kinds]'] + [f'{self.kind(k)}={self.kinds_list(v)}' for k, v in entries]
                # The English name of each kind the Japanese file renames, so
                # that a choice made by its English name still finds it.
                renamed = [f'{self.kind(k)}={k}' for k, _ in entries if self.kind(k) != k]
                if renamed:
                    ja += ['', '[Item Kind Names]'] + renamed
            elif name == 'Rune Upgrades':
                en, ja = body, self.upgrades(entries)
            else:
                en, ja = body, body
            english_out += en + comments_after
            japanese_out += ja + comments_after
        for name in names:
            names_ja.append(self.rune_word_name(name))
        return english_out, japanese_out, names_ja

    def rewrite_english(self, body, prefix, english_pieces):
        """The section's lines with changed effect lines put in place."""
        if all(old == new for old, new, _ in english_pieces):
            return body
        out = []
        effects = []
        for old, new, parts in english_pieces:
            effects += [[new]] if old != new else [None] * parts
        it = iter(effects)
        index = 0
        for line in body:
            key = line.split('=', 1)[0]
            if re.fullmatch(re.escape(prefix) + r'\d+', key):
                piece = next(it)
                if piece is None:
                    out.append(line)
                else:
                    out.append(f'{key}={piece[0]}')
                index += 1
            else:
                out.append(line)
        return out

    def rune_word(self, name, entries, body):
        english_pieces, ja_effects = self.effects(entries, 'Effect')
        en = self.rewrite_english(body, 'Effect', english_pieces)
        ja = [f'[{self.rune_word_name(name)}]', f'English={name}']
        for key, value in entries:
            if key == 'Allowed':
                ja.append(f'Allowed={self.kinds_list(value)}')
            elif key == 'EffectNum':
                ja.append(f'EffectNum={len(ja_effects)}')
                ja += [f'{k}={v}' for k, v in ja_effects]
            elif re.fullmatch(r'Effect\d+', key):
                continue
            else:
                ja.append(f'{key}={value}')
        return en, ja

    def upgrades(self, entries):
        """The cube's recipes with the runes under their Japanese names, as the
        rune sections name them; the gems keep the names the program reads."""
        ja = ['[Rune Upgrades]']
        for key, value in entries:
            count, _, rest = value.partition(' ')
            rune, plus, gem = rest.partition(' + ')
            ja.append(f'{self.runes.get(key, key)}={count} {self.runes.get(rune, rune)}{plus}{gem}')
        return ja

    def rune(self, name, entries, body):
        """A rune's lines: its bonuses in a weapon, armor, helm and shield.
        A line too wide for the panel goes on over the next key there,
        without quotes; the pair is read as one line."""
        ja = [f'[{name}]']
        done = set()
        for key, value in entries:
            prefix = re.sub(r'\d+$', '', key)
            if key == 'Name':
                ja.append(f'Name={self.runes.get(value, value)}')
            elif prefix in ('Weapon', 'Armor', 'Helm', 'Shield'):
                if prefix in done:
                    continue
                done.add(prefix)
                values = [v for k, v in entries if re.fullmatch(prefix + r'\d+', k)]
                pieces = []
                i = 0
                while i < len(values):
                    line = values[i]
                    _, alone = self.translator.line(line)
                    if alone is None and i + 1 < len(values):
                        self.translator.untranslated.pop()
                        _, both = self.translator.line(line + ' ' + values[i + 1])
                        if both is not None:
                            pieces.append(wrap_japanese(both, JA_RUNE_WIDTH, ''))
                            self.lines_ja += 1
                            i += 2
                            continue
                        self.translator.untranslated.pop()
                        self.translator.untranslated.append(line)
                    if alone is not None:
                        self.lines_ja += 1
                    pieces.append(wrap_japanese(alone or line, JA_RUNE_WIDTH, ''))
                    i += 1
                n = 0
                for piece in pieces:
                    for text in piece:
                        n += 1
                        ja.append(f"{prefix}{n}={text}")
            else:
                ja.append(f'{key}={value}')
        return body, ja


def write(path, lines):
    text = NEWLINE.join(lines) + NEWLINE
    data = text.encode(ENCODING)
    if data.decode(ENCODING) != text:
        fail(f'{path}: a text does not survive Shift-JIS')
    with open(path, 'wb') as f:
        f.write(data)


def compare_rune_table(path, rune_dat, names, english_names):
    """What the game's rune word table holds that the record does not, or
    holds otherwise: a rune word of a newer patch to add to rune.dat and
    runename.dat (with its runes and patch, named as the English string
    table names it), and a recipe or patch that differs. The effect lines of
    a new rune word are then written in English, and a second run puts them
    in Japanese."""
    with open(path, encoding='utf-8-sig') as f:
        table = json.load(f)
    rows = table.values() if isinstance(table, dict) else table
    record = {name: dict(key_values(lines)) for name, lines in parse_sections(rune_dat) if name in names}
    found = []
    for row in rows:
        if row.get('complete') != 1:
            continue
        name = english_names.get(row.get('Name'), row.get('*Rune Name'))
        runes = [str(int(row[f'Rune{n}'][1:])) for n in range(1, 7) if row.get(f'Rune{n}')]
        patch = row.get('*Patch Release')
        patch = f'{patch // 100}.{patch % 100:02d}'.rstrip('0').rstrip('.') if isinstance(patch, int) and patch > 99 else None
        mine = record.get(name)
        if mine is None:
            found.append(f'new in the table: [{name}] RuneNum={len(runes)} '
                         + ' '.join(f'Rune{n}={r}' for n, r in enumerate(runes, 1))
                         + (f' Patch={patch}' if patch else ''))
            continue
        theirs = [len(runes)] + runes
        ours = [int(mine.get('RuneNum', '0') or 0)] + [mine.get(f'Rune{n}') for n in range(1, len(runes) + 1)]
        if [str(x) for x in theirs] != [str(x) for x in ours]:
            found.append(f'recipe differs: [{name}] table {runes}, rune.dat {ours[1:]}')
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--data', required=True, help='folder of rune.dat and runename.dat')
    parser.add_argument('--strings', action='append', required=True,
                        help='folder of string tables (JSON); later folders win')
    parser.add_argument('--english-table', help='JSON object key -> English text of a later build')
    parser.add_argument('--out', help='folder to write to (default: --data)')
    parser.add_argument('--report', action='store_true', help='list what stayed English')
    parser.add_argument('--rune-table', help="the game's rune word table (JSON): lists rune words and recipes "
                                             'that rune.dat lacks or holds otherwise')
    args = parser.parse_args()
    started = time.monotonic()

    strings = Strings(args.strings)
    later = {}
    if args.english_table:
        with open(args.english_table, encoding='utf-8-sig') as f:
            later = json.load(f)
    translator = Translator(strings, later)
    generator = Generator(strings, translator)
    rune_dat = read_lines(os.path.join(args.data, 'rune.dat'))
    names = read_lines(os.path.join(args.data, 'runename.dat'))
    english, japanese, names_ja = generator.run(rune_dat, names)

    out = args.out or args.data
    os.makedirs(out, exist_ok=True)
    write(os.path.join(out, 'rune.dat'), english)
    write(os.path.join(out, 'runename.dat'), names)
    write(os.path.join(out, 'rune_ja.dat'), japanese)
    write(os.path.join(out, 'runename_ja.dat'), names_ja)

    total = generator.lines_ja + len(translator.untranslated)
    print(f'rune word names in Japanese: {len(names) - len(generator.names_left)} of {len(names)}')
    print(f'effect lines in Japanese: {generator.lines_ja} of {total}')
    print(f'kinds in Japanese: {len(generator.kinds) - len(generator.kinds_left)} of {len(generator.kinds)}')
    for old, new, key, template in translator.changed:
        print(f'English line changed: "{old}" -> "{new}" ({key}: "{template}")')
    for key, old, new in strings.disagreements:
        print(f'tables disagree on {key}: {old} / {new} (the later one taken)', file=sys.stderr)
    if args.report:
        for name in generator.names_left:
            print(f'name left English: {name}')
        for kind in generator.kinds_left:
            print(f'kind left English: {kind}')
        for line in translator.untranslated:
            print(f'line left English: {line}')
    if args.rune_table:
        english_names = {key: row['enUS'] for key, row in strings.by_key.items()}
        english_names.update({key: text for key, text in later.items() if isinstance(text, str)})
        for line in compare_rune_table(args.rune_table, rune_dat, set(names), english_names):
            print(line)
    print(f'done in {time.monotonic() - started:.2f} s')


if __name__ == '__main__':
    main()

#!/usr/bin/python3
"""Write the drill's content texts in Shift-JIS (code page 932) with CR LF.

    /usr/bin/python3 tools/make_drill_texts.py [output folder]

The output folder defaults to data/説明/ドリル beside this tools folder.  The
texts live here as Python data so they can be edited in UTF-8 and checked
before they are written:

    説明.txt            the introduction shown on the drill start screen
    問題.txt            30 questions, one per line
    正解.txt            the number (1 to 3) of the right answer button, one per line
    選択肢/a1.txt ...   the three numbered choices of each question

The drill shows every line as it is, in lists that do not wrap, so each line
is measured (a full-width character counts 1, a half-width one 1/2) and the
script stops with an error if a line would not fit.  Developer tool only: the
program reads the text files, never this script.
"""

import os
import sys
import unicodedata

# Room on the screens, in full-width characters (half-width ones count 1/2).
INTRO_WIDTH, INTRO_LINES = 24, 15       # start screen list, 511 x 308 px, 14.25-pt type
QUESTION_WIDTH = 28                     # one-line question bar, 587 px, 15-pt bold type
CHOICE_WIDTH, CHOICE_LINES = 12, 7      # choices list, 360 x 191 px, 20.25-pt bold type
QUESTION_COUNT = 30
BUTTONS = 3

INTRO = [
    "「電池のドリル」へようこそ！",
    "電池についての問題に、三択で答えよう。",
    "",
    "・問題は30問の中からランダムに出ます。",
    "・答えは、解答欄の1～3のボタンで選びます。",
    "・正解すると2点もらえ、まちがえると1点減ります",
    "　（0点より下にはなりません）。",
    "・まちがえるたびに、汽車が1目盛り進みます。",
    "・5回まちがえると風船がわれて、得点が半分に！",
    "　汽車はスタート位置にもどります。",
    "・100点になれば合格。メダルがもらえます。",
    "・タイトルの「電池のドリル」をクリックすると、",
    "　はじめからやり直せます。",
    "",
    "準備ができたら「スタート」を押そう！",
]

# (question, (choice 1, choice 2, choice 3), number of the right choice)
QUESTIONS = [
    # Voltaic cell
    ("ボルタ電池で負極になる金属はどれか。",
     ("銅", "亜鉛", "鉛"), 2),
    ("ボルタ電池の電解液はどれか。",
     ("硫酸銅(II)水溶液", "硫酸亜鉛水溶液", "希硫酸"), 3),
    ("ボルタ電池の正極で発生する気体はどれか。",
     ("水素", "酸素", "二酸化硫黄"), 1),
    ("ボルタ電池の正極で起こる反応はどれか。",
     ("Zn → Zn2+ + 2e-", "2H+ + 2e- → H2", "Cu2+ + 2e- → Cu"), 2),
    ("組み立てた直後のボルタ電池の起電力は約何Vか。",
     ("約1.1 V", "約1.5 V", "約2.0 V"), 1),
    ("ボルタ電池で放電後すぐに起電力が低下する現象は？",
     ("電離", "不動態", "分極"), 3),
    # Daniell cell
    ("ダニエル電池で負極側に入れる水溶液はどれか。",
     ("希硫酸", "硫酸銅(II)水溶液", "硫酸亜鉛水溶液"), 3),
    ("ダニエル電池の素焼き板のはたらきはどれか。",
     ("電子だけを通す", "両液を分けイオンを通す", "両液をよく混ぜる"), 2),
    ("ダニエル電池の正極の表面に析出する物質はどれか。",
     ("銅", "亜鉛", "酸化銅(II)"), 1),
    ("ダニエル電池の起電力は約何Vか。",
     ("約0.5 V", "約1.1 V", "約2.0 V"), 2),
    ("ダニエル電池の負極で起こる反応はどれか。",
     ("Zn → Zn2+ + 2e-", "Cu → Cu2+ + 2e-", "Cu2+ + 2e- → Cu"), 1),
    ("ダニエル電池の放電を続けると、正極側の水溶液の青色は？",
     ("こくなる", "変わらない", "うすくなる"), 3),
    # manganese dry cell
    ("マンガン乾電池の負極に使われる金属はどれか。",
     ("銅", "亜鉛", "アルミニウム"), 2),
    ("マンガン乾電池の正極で還元される物質はどれか。",
     ("炭素", "酸化マンガン(IV)", "塩化亜鉛"), 2),
    ("マンガン乾電池の炭素棒のはたらきはどれか。",
     ("電子を放出して溶ける", "電解液の水をたくわえる", "電子を受け渡す集電体"), 3),
    ("マンガン乾電池の電解液の主な成分はどれか。",
     ("ZnCl2とNH4Cl", "希硫酸", "水酸化カリウム"), 1),
    ("マンガン乾電池の起電力は約何Vか。",
     ("約1.1 V", "約1.5 V", "約2.0 V"), 2),
    # lead storage battery
    ("鉛蓄電池の負極に用いる物質はどれか。",
     ("鉛", "酸化鉛(IV)", "亜鉛"), 1),
    ("鉛蓄電池の正極に用いる物質はどれか。",
     ("鉛", "酸化マンガン(IV)", "酸化鉛(IV)"), 3),
    ("鉛蓄電池の起電力は約何Vか。",
     ("約1.1 V", "約1.5 V", "約2.0 V"), 3),
    ("鉛蓄電池を放電すると、両極の表面にできる物質は？",
     ("硫酸鉛(II)", "酸化鉛(IV)", "硫化鉛(II)"), 1),
    ("鉛蓄電池を放電すると、希硫酸の密度はどうなるか。",
     ("大きくなる", "小さくなる", "変わらない"), 2),
    ("鉛蓄電池のように、充電して繰り返し使える電池は？",
     ("一次電池", "燃料電池", "二次電池"), 3),
    # what every cell shares
    ("2種類の金属を電解液に浸した電池で、負極になるのは？",
     ("イオン化傾向が小さい方", "イオン化傾向が大きい方", "密度が大きい方"), 2),
    ("次の金属のうち、イオン化傾向が最も大きいものは？",
     ("亜鉛", "鉛", "銅"), 1),
    ("電池の負極で起こる反応はどれか。",
     ("酸化反応", "還元反応", "中和反応"), 1),
    ("電池の正極で起こる反応はどれか。",
     ("中和反応", "酸化反応", "還元反応"), 3),
    ("電池の外部の導線を電子が流れる向きはどれか。",
     ("正極から負極へ", "負極から正極へ", "決まった向きはない"), 2),
    ("電池の外部の導線を電流が流れる向きはどれか。",
     ("正極から負極へ", "負極から正極へ", "決まった向きはない"), 1),
    ("ダニエル電池は何エネルギーを電気エネルギーに変えるか。",
     ("光エネルギー", "熱エネルギー", "化学エネルギー"), 3),
]


def width(text):
    """Display width in full-width characters: half-width ones count 1/2."""
    return sum(0.5 if unicodedata.east_asian_width(ch) in ("Na", "H") else 1.0
               for ch in text)


def check_line(where, line, limit):
    """Stop on a line that is too wide or that code page 932 cannot carry
    unchanged (some characters come back as look-alikes)."""
    if width(line) > limit:
        raise SystemExit(f"{where}: {width(line)} > {limit} wide: {line}")
    try:
        if line.encode("cp932").decode("cp932") != line:
            raise SystemExit(f"{where}: not kept by code page 932: {line}")
    except UnicodeEncodeError as err:
        raise SystemExit(f"{where}: not in code page 932 ({err.object[err.start]!r}): {line}")


def choice_lines(choices):
    """The choice file: one numbered choice per line, a blank line between
    them so the three stand apart in the list."""
    lines = []
    for number, choice in enumerate(choices, start=1):
        if lines:
            lines.append("")
        lines.append(f"{number} {choice}")
    return lines


def check_all():
    if len(INTRO) > INTRO_LINES:
        raise SystemExit(f"説明.txt: {len(INTRO)} lines > {INTRO_LINES}")
    for n, line in enumerate(INTRO, start=1):
        check_line(f"説明.txt line {n}", line, INTRO_WIDTH)

    if len(QUESTIONS) != QUESTION_COUNT:
        raise SystemExit(f"{len(QUESTIONS)} questions, {QUESTION_COUNT} wanted")
    texts = set()
    for n, (question, choices, answer) in enumerate(QUESTIONS, start=1):
        # An unquoted comma would split the question field in two, and a
        # double quote would start a quoted field: keep both out.
        if "," in question or '"' in question:
            raise SystemExit(f"question {n}: no ASCII comma or double quote allowed")
        if question != question.strip() or not question:
            raise SystemExit(f"question {n}: empty or padded with blanks")
        if question in texts:
            raise SystemExit(f"question {n}: asked twice")
        texts.add(question)
        check_line(f"question {n}", question, QUESTION_WIDTH)
        if len(choices) != BUTTONS or len(set(choices)) != BUTTONS:
            raise SystemExit(f"question {n}: needs {BUTTONS} different choices")
        if answer not in range(1, BUTTONS + 1):
            raise SystemExit(f"question {n}: answer {answer} is not a button number")
        lines = choice_lines(choices)
        if len(lines) > CHOICE_LINES:
            raise SystemExit(f"a{n}.txt: {len(lines)} lines > {CHOICE_LINES}")
        for line in lines:
            check_line(f"a{n}.txt", line, CHOICE_WIDTH)

    # The right answers must not favour a button.
    counts = [sum(1 for _, _, a in QUESTIONS if a == b) for b in range(1, BUTTONS + 1)]
    if max(counts) - min(counts) > 1:
        raise SystemExit(f"answers per button are uneven: {counts}")


def write_lines(path, lines):
    with open(path, "w", encoding="cp932", newline="\r\n") as f:
        for line in lines:
            f.write(line + "\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "data", "説明", "ドリル")
    check_all()
    os.makedirs(os.path.join(out, "選択肢"), exist_ok=True)
    write_lines(os.path.join(out, "説明.txt"), INTRO)
    write_lines(os.path.join(out, "問題.txt"), [q for q, _, _ in QUESTIONS])
    write_lines(os.path.join(out, "正解.txt"), [str(a) for _, _, a in QUESTIONS])
    for n, (_, choices, _) in enumerate(QUESTIONS, start=1):
        write_lines(os.path.join(out, "選択肢", f"a{n}.txt"), choice_lines(choices))
    print(f"wrote {QUESTION_COUNT} questions, answers, choices and the introduction "
          f"to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()

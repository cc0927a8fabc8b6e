#!/usr/bin/python3
"""Write the explanation texts that the lesson and principle screens show.

Run with /usr/bin/python3; an optional argument names the output folder
(default: data/説明/ beside this tools/ folder).

The screens put each line of a text into one list entry.  Their lists never
wrap and should never need a scroll bar, so every text carries the width of
its list (in full-width characters) and the number of lines that fit, and
some pages keep lines free where a picture or a button lies over the list.
All texts are checked first; if any breaks a limit nothing is written and
the error lists every fault.

Files are Shift-JIS (code page 932) with CR LF after every line, the last
one included, because that is what the program's text loader reads.
Chemical formulas are written with half-width letters and digits (H2SO4,
Zn2+, SO4 2-, e-): code page 932 has no subscript or superscript digits.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT_DIR = os.path.normpath(os.path.join(HERE, os.pardir, "data", "説明"))

ENCODING = "cp932"

# Characters that must not begin a line (Japanese line-breaking rules):
# closing punctuation, small kana and the long-vowel mark.
NO_LINE_START = "、。，．・：；？！）」』】〕＞ーぁぃぅぇぉっゃゅょァィゥェォッャュョ"


class Text:
    """One explanation file and the room its list gives it.

    zones: (first line, last line, widest allowed) with lines counted from 1;
    a width of 0 means the lines must stay empty because a picture covers
    them.  Zones tighten max_width for their lines only.
    """

    def __init__(self, path, max_width, max_lines, body, zones=()):
        self.path = path
        self.max_width = max_width
        self.max_lines = max_lines
        self.lines = body
        self.zones = zones


def lines_of(block):
    """Split a triple-quoted block into lines, dropping only the newline
    right after the opening quotes and the one before the closing quotes."""
    if block.startswith("\n"):
        block = block[1:]
    if block.endswith("\n"):
        block = block[:-1]
    return block.split("\n")


def blank(count):
    return [""] * count


def width_of(line):
    """Width in full-width characters: a double-byte character counts 1,
    a single-byte one (ASCII, half-width kana) counts 0.5."""
    return sum(1.0 if len(ch.encode(ENCODING)) == 2 else 0.5 for ch in line)


# ---------------------------------------------------------------------------
# The texts.  Lesson lists: "ＭＳ 明朝" 12 pt in a narrow column beside the
# enlarged electrode; principle pages: the same font in wide lists.

TEXTS = [
    # -- Voltaic cell: zinc plate ------------------------------------------
    Text("ボルタ/負極.txt", 12, 22, lines_of("""
【負極】亜鉛板　Zn
亜鉛は、銅よりもイオン化
傾向が大きい金属です。
亜鉛板の表面では、亜鉛
原子が電子を2個失って
亜鉛イオンZn2+になり、
希硫酸中に溶け出します。
　Zn → Zn2+ + 2e-
電子を失う変化を「酸化」
といいます。
亜鉛板に残った電子は、
導線を通って銅板へ流れて
いきます。
亜鉛が溶けていくので、
亜鉛板はしだいに薄く
なっていきます。

スイッチを切っていても
亜鉛板から泡が出るのは、
亜鉛が希硫酸と直接反応
して、水素ができるから
です。
""")),

    # -- Voltaic cell: copper plate ----------------------------------------
    Text("ボルタ/正極.txt", 12, 22, lines_of("""
【正極】銅板　Cu
希硫酸中には水素イオン
H+がたくさんあります。
H+は、導線を通ってきた
電子を銅板の表面で
受け取り、水素H2の泡
になります。
　2H+ + 2e- → H2
電子を受け取る変化を
「還元」といいます。
銅板の銅そのものは、
水素よりイオン化傾向が
小さいので反応しません。
〈分極〉
はじめの電圧は約1.1V
ですが、すぐに下がって
しまいます。銅板の表面が
水素でおおわれて、H+が
電子を受け取りにくくなる
ことなどが原因です。
この現象を「分極」と
いいます。
""")),

    # -- Daniell cell: zinc plate ------------------------------------------
    Text("ダニエル/負極.txt", 12, 18, lines_of("""
【負極】亜鉛板　Zn
亜鉛板は、硫酸亜鉛ZnSO4
水溶液に入っています。
亜鉛は電子を2個失って
亜鉛イオンZn2+になり、
水溶液中に溶け出します。
　Zn → Zn2+ + 2e-
これは「酸化」です。
亜鉛板に残った電子は、
導線を通って銅板へ流れて
いきます。
亜鉛板は薄くなっていき、
左側の水溶液ではZn2+が
増えていきます。
""")),

    # -- Daniell cell: copper plate ----------------------------------------
    Text("ダニエル/正極.txt", 12, 18, lines_of("""
【正極】銅板　Cu
銅板は、硫酸銅CuSO4の
水溶液に入っています。
銅イオンCu2+は、導線を
通ってきた電子を銅板の
表面で受け取ります。
そして銅になって、銅板の
表面に析出します。
　Cu2+ + 2e- → Cu
これは「還元」です。
Cu2+が減って、水溶液の
青色がうすくなります。

水素が発生しないので、
分極が起こりません。
起電力は約1.1Vのまま
安定します。
""")),

    # -- Daniell cell: porous plate ----------------------------------------
    Text("ダニエル/素焼き板.txt", 12, 18, lines_of("""
【素焼板】
素焼板は、2つの水溶液が
混ざるのを防ぎます。
Cu2+が亜鉛板に届くと、
亜鉛の表面で直接反応して
銅が析出してしまい、
電流を取り出せません。
また、素焼板には小さな
穴がたくさんあいていて、
イオンはそこを通れます。
放電すると左側ではZn2+が
増え、右側ではSO4 2-が
余ります。そこで、Zn2+は
右側へ、SO4 2-は左側へ
素焼板を通って移動し、
両側の電気のつり合いを
保ちます。そのおかげで、
電流が流れ続けます。
""")),

    # -- Manganese dry cell: zinc can (narrow list) ------------------------
    Text("マンガン/負極.txt", 9, 22, lines_of("""
【負極】亜鉛筒
外側の亜鉛の筒が
負極です。
亜鉛は電子を2個
失って、亜鉛イオン
になります。
Zn → Zn2+ + 2e-
これは酸化です。
亜鉛筒の中には、
塩化アンモニウム
NH4Clのペースト
が入っています。
Zn2+はその中で
NH4+からNH3を
受け取り、錯イオン
[Zn(NH3)4]2+
になります。
また、H+が生じ、
正極のほうへ移動
します。
亜鉛筒は少しずつ
薄くなります。
""")),

    # -- Manganese dry cell: carbon rod (narrow list) ----------------------
    Text("マンガン/正極.txt", 9, 22, lines_of("""
【正極】炭素棒
中心の炭素棒は、
電子を集めて通す
集電体です。
炭素そのものは
変化しません。
反応するのは、
炭素棒のまわりの
酸化マンガン(Ⅳ)
MnO2です。
MnO2は、電子と
H+を受け取って
還元されます。
2MnO2 + 2H+ + 2e-
→ Mn2O3 + H2O
水素が出ないので、
分極が起こりにくく
なります。
起電力は約1.5V
です。
""")),

    # -- Lead storage battery: lead plate ----------------------------------
    Text("鉛蓄電池/負極.txt", 12, 16, lines_of("""
【負極】鉛板　Pb
放電すると、鉛Pbは電子を
2個失い、希硫酸中の
SO4 2-と結びついて、
硫酸鉛PbSO4になります。
Pb + SO4 2-
　→ PbSO4 + 2e-
これは「酸化」です。
PbSO4は水に溶けにくく、
鉛板の表面にたまって
いきます。
充電すると逆向きの反応が
起こり、もとの鉛に
もどります。
""")),

    # -- Lead storage battery: lead dioxide plate --------------------------
    Text("鉛蓄電池/正極.txt", 12, 16, lines_of("""
【正極】二酸化鉛板
二酸化鉛PbO2は、導線から
来た電子を受け取り、H+や
SO4 2-と反応して、硫酸鉛
PbSO4と水になります。
PbO2 + SO4 2- + 4H+
　+ 2e- → PbSO4 + 2H2O
これは「還元」です。
放電すると両方の極板が
硫酸鉛でおおわれ、硫酸は
使われて水ができるので、
希硫酸はうすくなって、
密度が小さくなります。
充電すればくり返し使える
二次電池で、起電力は約2V
です。
""")),

    # -- Principle, page 1: beside the dry cell and lamp -------------------
    Text("原理/p1.txt", 16, 20, lines_of("""
【電池とは】
乾電池に豆電球をつなぐと、
豆電球が光ります。
電池の中では酸化還元反応が
起こっています。
電池は、この反応によって、
物質のもつ化学エネルギーを
電気エネルギーとして取り出す
装置です。

電池には2つの電極があります。
負極（－）：電子を送り出す
正極（＋）：電子を受け取る
負極では酸化が、正極では
還元が起こります。
電子は導線を通って、負極から
正極へ流れます。
電流は、電子の流れとは逆に、
導線の中を正極から負極へ
流れます。
""")),

    # -- Principle, page 2: the aluminium picture covers lines 9-22 --------
    Text("原理/p2.txt", 36, 24, lines_of("""
【原子・電子・イオン】
原子は、正の電気をもつ原子核と、負の電気をもつ電子からなります。
ふつうの原子は、正と負の電気がつり合っていて、電気を帯びていません。
原子が電子を失ったり受け取ったりして電気を帯びたものがイオンです。
金属の原子は電子を失いやすく、正の電気を帯びた陽イオンになります。
アルミニウム原子Alは、原子核の電気が＋13で、電子を13個もちます。
Al原子は最外殻の電子3個を失うと、アルミニウムイオンAl3+になります。
下の図で、そのようすを見てみましょう。
""") + blank(14) + lines_of("""
原子が電子を失う変化（Al → Al3+ + 3e-）を「酸化」、
反対に電子を受け取る変化を「還元」といいます。
"""), zones=((9, 22, 0),)),

    # -- Principle, page 3: series picture on 9-16, button right of 18-19 --
    Text("原理/p3.txt", 36, 20, lines_of("""
【イオン化傾向】
金属の単体が水溶液中で電子を失い、陽イオンになろうとする性質を、
金属の「イオン化傾向」といいます。
イオン化傾向が大きい金属ほど電子を失いやすく、酸化されやすいのです。
たとえば、亜鉛Znは銅Cuよりもイオン化傾向が大きい金属です。
金属をイオン化傾向の大きい順に並べたものを「イオン化列」といいます。
水素は金属ではありませんが、比べるために（H）として入れてあります。
下の図では、KからAuへ向かってイオン化傾向が小さくなります。
""") + blank(8) + lines_of("""
イオン化傾向の大きい金属ほど、水や酸、空気と反応しやすくなります。
金属と水・酸・空気との
反応をまとめた表は、右の
「金属の反応性」ボタンで見られます。
"""), zones=((9, 16, 0), (18, 20, 24))),

    # -- Principle, page 4: the diagram starts at line 11 ------------------
    Text("原理/p4.txt", 36, 10, lines_of("""
【電池のしくみ】
イオン化傾向の異なる2種類の金属A・Bを電解質の水溶液に入れ、
導線でつなぎます。
イオン化傾向の大きい金属Aは、電子を失って陽イオンとなり、溶け出します。
Aが負極です。Aに残った電子は、導線を通って金属Bへ流れます。
金属Bが正極で、その表面では水溶液中の物質（H+など）が電子を
受け取ります。こうして導線に電流が流れます。これが電池です。
2つの金属のイオン化傾向の差が大きいほど、電圧はおおよそ大きくなります。
図のスイッチを押して、電子とイオンの動きを確かめましょう。
""")),
]


# ---------------------------------------------------------------------------

def faults_of(text):
    faults = []
    where = text.path
    if len(text.lines) > text.max_lines:
        faults.append(f"{where}: {len(text.lines)} lines, at most {text.max_lines}")
    for number, line in enumerate(text.lines, start=1):
        at = f"{where} line {number}"
        try:
            round_trip = line.encode(ENCODING).decode(ENCODING)
        except UnicodeEncodeError as err:
            faults.append(f"{at}: {line[err.start:err.end]!r} is not in code page 932")
            continue
        if round_trip != line:
            # e.g. U+2212 is written as the full-width hyphen-minus and
            # would come back as a different character.
            faults.append(f"{at}: {line!r} does not survive code page 932 unchanged")
            continue
        if any(ch < " " for ch in line):
            faults.append(f"{at}: control character")
        if line != line.rstrip():
            faults.append(f"{at}: trailing white space")
        if line[:1] and line[0] in NO_LINE_START:
            faults.append(f"{at}: begins with {line[0]!r}")
        limit = text.max_width
        for first, last, zone_width in text.zones:
            if first <= number <= last:
                limit = min(limit, zone_width)
        width = width_of(line)
        if width > limit:
            if limit == 0:
                faults.append(f"{at}: must stay empty (covered), holds {line!r}")
            else:
                faults.append(f"{at}: width {width:g}, at most {limit:g}: {line!r}")
    return faults


def write(text, out_dir):
    path = os.path.join(out_dir, *text.path.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # newline="\r\n" turns every "\n" into CR LF, the final one included.
    with open(path, "w", encoding=ENCODING, newline="\r\n") as f:
        f.write("\n".join(text.lines) + "\n")
    return path


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else DEFAULT_OUT_DIR
    faults = [fault for text in TEXTS for fault in faults_of(text)]
    if faults:
        raise ValueError("explanation texts break their limits:\n  " + "\n  ".join(faults))
    for text in TEXTS:
        print(write(text, out_dir))


if __name__ == "__main__":
    main(sys.argv)

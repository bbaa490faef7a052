#!/usr/bin/env python3
"""Writes the stored layout of the scoreboard form `main`: resources/forms/main.json.

The board is laid out for a 1024 x 768 screen (15360 x 11520 twips) inside the main frame `qelf1`:

    y   0- 88  the match title (60 pt), as wide as the screen, so that twelve Chinese characters fit
    y  88-363  the clock panel `showtime`: the clock (270 pt) between the two rosters; the music,
               score-sheet and options panels cover exactly this place when they are open
    y 366-438  the team names (50.25 pt), left and right
    y 439-676  the scores (219.75 pt) in their boxes; between them the period, the start button and
               the small clock and period that show while a panel covers the clock
    y 681-756  the logo; the referees and key hints; the score buttons and the command bar; the
               menu row, the status indicators and the date and time

Positions are written in twips (15 per pixel); the helper px() converts. Run it again after a change:
the output is the same for the same script.
"""
import json
import os

TW = 15


def px(v):
    return int(round(v * TW))


def color(value):
    return "&H%08X&" % value


def font(name, size, bold=False):
    return {"name": name, "size": size, "bold": bold, "weight": 700 if bold else 400}


def ctl(cls, name, left=0, top=0, width=1215, height=495, index=None, visible=True, enabled=None,
        props=None, children=None, tooltip=None, tabstop=None):
    ext = {"Left": left, "Top": top, "Width": width, "Height": height}
    if not visible:
        ext["Visible"] = False
    if enabled is not None:
        ext["Enabled"] = enabled
    if tooltip is not None:
        ext["ToolTipText"] = tooltip
    if tabstop is not None:
        ext["TabStop"] = tabstop
    entry = {"class": cls, "name": name}
    if index is not None:
        entry["index"] = index
    entry["extender"] = ext
    if props:
        entry["properties"] = props
    if children:
        entry["controls"] = children
    return entry


# --- colours (0x00BBGGRR) ---
BLACK = 0x000000
WHITE = 0xFFFFFF
RED = 0x0000FF
GREEN = 0x00FF00
DARK_GREY = 0x404040
NAVY = 0x2A1206       # the board's background at the top
TITLE_TEXT = 0xFFFF00  # cyan, the title's default colour
TITLE_SHADOW = 0x404000
NAME_TEXT = WHITE
NAME_SHADOW = 0x004000
SCORE_TEXT = 0x00C8FF  # amber
SCORE_SHADOW = 0x002848
PERIOD_TEXT = 0x0080FF
MENU_TEXT = 0xD3DEF3
PANEL_TITLE1 = 0x6A3A12
PANEL_TITLE2 = 0x30180A
PANEL_BACK1 = 0x301A0C
PANEL_BACK2 = 0x140A04
PANEL_TEXT = 0xF0E6DC
CAPTION_GREY = 0xB0B0B0


def label(name, left, top, width, height, caption="", fnt=None, fore=WHITE, align=0, index=None,
          visible=True, back_style=0, back=BLACK, wrap=False, mnemonic=False, tooltip=None):
    props = {"Caption": caption, "Alignment": align, "BackStyle": back_style, "ForeColor": color(fore),
             "BackColor": color(back), "Font": fnt or font("宋体", 9)}
    if wrap:
        props["WordWrap"] = True
    if not mnemonic:
        props["UseMnemonic"] = False
    return ctl("Label", name, left, top, width, height, index=index, visible=visible, props=props, tooltip=tooltip)


def qlabel(name, left, top, width, height, caption="", fnt=None, fore=WHITE, align=0, index=None,
           visible=True, back_style=0, back=BLACK, border=False, border_color=DARK_GREY, data=False):
    """A drawn label; `data`: it shows what the operator typed (a title, a team name), so "&" is shown as it is."""
    props = {"Caption": caption, "Alignment": align, "BackStyle": back_style, "ForeColor": color(fore),
             "BackColor": color(back), "Font": fnt or font("宋体", 9)}
    if data:
        props["UseMnemonic"] = False
    if border:
        props["BorderStyle"] = 1
        props["BorderColor"] = color(border_color)
    return ctl("qelLabel", name, left, top, width, height, index=index, visible=visible, props=props)


def command(name, left, top, width, height, caption, fnt=None, index=None, visible=True, enabled=None,
            back1=0xFBFBFB, back2=0xDCDCDC, fore=0x733C00, border=0x733C00, tooltip=None, pushed=None,
            enter_repeats=True):
    """A push button; `pushed`: its pressed colours (first, second), else it presses in its face colours."""
    props = {"Caption": caption, "Font": fnt or font("宋体", 9), "BackColor1": color(back1),
             "BackColor2": color(back2), "ForeColor": color(fore), "BorderColor": color(border)}
    if pushed:
        props["BackColorPushed1"] = color(pushed[0])
        props["BackColorPushed2"] = color(pushed[1])
    if not enter_repeats:
        props["EnterRepeats"] = False
    return ctl("qelCommand", name, left, top, width, height, index=index, visible=visible, enabled=enabled,
               props=props, tooltip=tooltip)


def frame(name, left, top, width, height, caption="", children=None, visible=True, show_title=True,
          back1=PANEL_BACK1, back2=PANEL_BACK2, border=0x8A5A30, gradient=2, corner=True, index=None,
          title_font=None, back_style=1):
    props = {"Caption": caption, "ShowTitle": show_title, "BackColor1": color(back1), "BackColor2": color(back2),
             "BackGradient": gradient, "BorderColor": color(border), "BreakCorner": corner,
             "TitleColor1": color(PANEL_TITLE1), "TitleColor2": color(PANEL_TITLE2),
             # Without a title bar the background starts at the top.
             "TitleHeight": 300 if show_title else 0,
             "ForeColor": color(WHITE), "Font": title_font or font("宋体", 10.5, True), "BackStyle": back_style}
    return ctl("qelFrame", name, left, top, width, height, index=index, visible=visible, props=props,
               children=children or [])


def picture(name, left, top, width, height, path="", index=None, visible=True, stretch=True, tooltip=None):
    props = {"Picture": path} if path else {}
    if stretch:
        props["Stretch"] = True
    return ctl("aicAlphaImage", name, left, top, width, height, index=index, visible=visible, props=props,
               tooltip=tooltip)


def line(name, x1, y1, x2, y2, index=None, col=DARK_GREY, width=1, visible=True):
    return ctl("Line", name, index=index, visible=visible,
               props={"X1": x1, "Y1": y1, "X2": x2, "Y2": y2, "BorderColor": color(col), "BorderWidth": width})


def check(name, left, top, width, height, caption, index=None, value=0):
    props = {"Caption": caption, "Font": font("宋体", 10.5), "ForeColor": color(PANEL_TEXT),
             "BackColor": color(PANEL_BACK1), "BackStyle": 0}
    if value:
        props["Value"] = value
    return ctl("qelCheck", name, left, top, width, height, index=index, props=props)


def textbox(name, left, top, width, height, text, index=None):
    props = {"Text": text, "Font": font("宋体", 10.5, True), "ForeColor": color(0x00E0FF),
             "BackColor": color(0x100804), "Alignment": 2}
    return ctl("TextBox", name, left, top, width, height, index=index, props=props)


# The record list's columns: width in twips, alignment, header; together as wide as the list.
RECORD_COLUMNS = "\r\n".join("%d,%d,%s" % column for column in (
    (2081, 0, "比赛日期"), (3400, 0, "比赛主题"), (1640, 0, "球队"), (521, 0, "-"), (1640, 0, "球队"),
    (939, 0, "第一节"), (939, 0, "第二节"), (939, 0, "第三节"), (939, 0, "第四节"), (1040, 0, "总比分"),
    (1000, 0, "备注")))


def timer(name, interval, enabled):
    return ctl("Timer", name, 0, 0, 420, 420, enabled=enabled, props={"Interval": interval})


# ---------------------------------------------------------------------------------------------
# The clock panel and what lives in it.

CLOCK_PANEL = (30, 1320, 15225, 4125)  # the place every panel covers


def roster(side):
    """One side's roster: coach and leader, then twelve players (number, name)."""
    names, numbers = ("namelab1", "numlab1") if side == 0 else ("namelab2", "numlab2")
    first = 2 * side
    rows = []
    small = font("宋体", 10.5, True)
    for k, word in enumerate(["教练", "领队"]):
        # Labels wrap at their width, so the two characters need a little more than their own.
        rows.append(label("bfcap", 30, 45 + k * 300, 495, 285, word, small, CAPTION_GREY, index=first + k))
        rows.append(label("bflab", 555, 45 + k * 300, 975, 285, "", small, WHITE, index=first + k))
    rows.append(line("rosterline", 30, 660, 1515, 660, index=side, col=DARK_GREY))
    for k in range(12):
        top = 735 + k * 270
        rows.append(label(numbers, 30, top, 405, 270, "", small, RED, align=1, index=k, visible=False))
        rows.append(label(names, 495, top, 1035, 270, "", small, GREEN, index=k, visible=False))
    left = 45 if side == 0 else 13635
    return frame("ballnameframe", left, 30, 1545, 4065, show_title=False, back1=BLACK, back2=BLACK,
                 gradient=0, border=BLACK, corner=False, index=side, children=rows)


def period_report():
    big = font("宋体", 42, True)
    return frame("look", 1790, 20, 11670, 4095, "比赛情况报告", visible=False, back1=0x2A1408, back2=0x0A0402,
                 border=0x2060C0, title_font=font("宋体", 12, True), children=[
                     qlabel("vlook1", 150, 480, 11370, 960, "", big, 0x00E0FF, align=2, index=0, data=True),
                     qlabel("vlook1", 150, 1500, 11370, 960, "", big, WHITE, align=2, index=1, data=True),
                     qlabel("onename", 150, 2640, 11370, 480, "", font("Arial", 14.25, True), GREEN, align=2,
                            data=True),
                     qlabel("vtime", 150, 3480, 11370, 330, "20秒进入比赛模式", font("Arial", 9), CAPTION_GREY, align=2),
                 ])


def clock_panel():
    children = [roster(0), roster(1),
                line("Line11", 1650, 150, 1650, 3975, index=2),
                line("Line11", 13620, 150, 13620, 3975, index=3),
                qlabel("balltime", 1670, -550, 11940, 4905, "12:00", font("DS-Digital", 270, True), GREEN, align=2,
                       back_style=1),
                period_report()]
    return frame("showtime", *CLOCK_PANEL, show_title=False, back1=BLACK, back2=BLACK, gradient=0,
                 border=DARK_GREY, children=children)


# ---------------------------------------------------------------------------------------------
# The panels that cover the clock panel.

def music_panel():
    text = font("宋体", 10.5, True)
    buttons = []
    for i, (pic, left) in enumerate([("img/btn_prev.png", 150), ("img/btn_play.png", 750),
                                     ("img/btn_pause.png", 750), ("img/btn_next.png", 1350),
                                     ("img/btn_stop.png", 1950)]):
        buttons.append(picture("a1", left, 1650, 480, 480, pic, index=i))
    player = frame("qelFrame1", 3080, 420, 5160, 3570, "播放器", children=[
        ctl("PictureBox", "mf1", 150, 450, 4860, 420, props={"BorderStyle": 0, "BackColor": color(BLACK)},
            children=[label("playlab", 0, 60, 4860, 330, "篮球比赛播放器", text, GREEN, back_style=0)]),
        qlabel("qelmp3", 150, 990, 3000, 480, "00:00/00:00", font("DS-Digital", 18, True), 0x00E0FF),
        ctl("Shape", "Shape1", 150, 1500, 4860, 90, props={"BorderColor": color(0x806040), "FillStyle": 0,
                                                          "FillColor": color(0x301808)}),
        label("lens", 150, 1470, 4860, 150, "", back_style=0),
        line("lmove", 150, 1545, 152, 1545, col=GREEN, width=3),
    ] + buttons + [
        label("mv1", 150, 2175, 480, 60, "", back_style=1, back=0x00C0FF, visible=False),
        picture("muisc1", 4050, 2400, 960, 960, "img/btn_bigplay.png"),
        label("mvul", 150, 2550, 1800, 225, "", back_style=1, back=0x301808, tooltip="音量"),
        line("vno", 150, 2662, 1050, 2662, col=0x00C0FF, width=4),
        check("mute1", 150, 2940, 1800, 330, "静音"),
    ])
    playlist = frame("qelFplay", 8300, 420, 3300, 3570, "音乐列表", children=[
        ctl("ListBox", "mp3list", 150, 420, 3000, 2610, props={
            "Font": font("宋体", 10.5), "ForeColor": color(0x80FFC0), "BackColor": color(0x100804)}),
        qlabel("mp3numlab", 150, 3120, 1050, 300, "共:0首", text, PANEL_TEXT),
        qlabel("mc", 1260, 3120, 600, 300, "添加", text, 0x00E0FF, index=0),
        qlabel("mc", 1860, 3120, 600, 300, "删除", text, 0x00E0FF, index=1),
        qlabel("mc", 2460, 3120, 600, 300, "刷新", text, 0x00E0FF, index=2),
        line("mclne", 1230, 3435, 1830, 3435, col=0x00E0FF, visible=False),
    ])
    copy = frame("mp3aframe", 4500, 1350, 6200, 1350, "复制音乐文件列表", visible=False, children=[
        label("copylab", 150, 540, 5900, 600, "", text, PANEL_TEXT, wrap=True),
        ctl("ListBox", "List1", 150, 450, 1500, 600, visible=False),
    ])
    return frame("frameplay", *CLOCK_PANEL, "音乐模式", visible=False, title_font=font("宋体", 12, True), children=[
        picture("videimg1", 330, 480, 2400, 2400, "img/logo.png"),
        command("videmode", 240, 3030, 1200, 420, "现场模式", text),
        command("MP3mode", 1500, 3030, 1200, 420, "MP3模式", text, enabled=False),
        qlabel("mlt", 60, 3570, 2940, 330, "音乐着你的篮球生活!", text, 0x80D0FF, align=2, index=0),
        player, playlist,
        picture("videimg2", 12495, 480, 2400, 2400, "img/logo.png"),
        qlabel("mlt", 11700, 3570, 3465, 330, "音乐着你的篮球生活!", text, 0x80D0FF, align=2, index=1),
        ctl("PictureBox", "videlook", 3080, 15, 8575, 4100, visible=False,
            props={"BorderStyle": 0, "BackColor": color(BLACK)}),
        copy,
    ])


def score_sheet_panel():
    head = font("宋体", 14.25, True)
    digits = font("Arial", 27.75, True)
    name = font("宋体", 21.75, True)
    children = []
    columns = ["第一节", "第二节", "第三节", "第四节", "总分"]
    col_left = [5100, 6900, 8700, 10500, 12300]
    for i, word in enumerate(columns):
        children.append(label("datecap", col_left[i], 480, 1710, 390, word, head, CAPTION_GREY, align=2, index=i))
    for row in range(2):
        top = 1020 + row * 1080
        children.append(qlabel("ballnum", 300, top + 150, 4650, 630, "", name, WHITE, align=2, index=row, data=True))
        for p in range(4):
            children.append(qlabel("balldatenum", col_left[p], top, 1710, 900, "00", digits, SCORE_TEXT, align=2,
                                   index=row * 4 + p, back_style=1, back=0x100804, border=True))
        children.append(qlabel("balldatenum", col_left[4], top, 1710, 900, "00", digits, GREEN, align=2,
                               index=8 + row, back_style=1, back=0x100804, border=True))
    children.append(command("lookdate", 12300, 3390, 1710, 450, "查看历史比赛", font("宋体", 10.5, True)))
    # The record view opens the frame to 8850 twips, down to the bottom strip and no further, so
    # the command bar, the score buttons and the logo stay in reach while the list shows.
    records = frame("allballdate", 60, 4200, 15105, 4560, "", show_title=False, back1=PANEL_BACK2,
                    back2=PANEL_BACK2, gradient=0, border=0x8A5A30, children=[
                        qlabel("qelLabel1", 150, 90, 6000, 390, "比赛历史记录", font("宋体", 14.25, True), 0x00E0FF),
                        ctl("ListView", "balllist1", 0, 540, 15105, 3420, props={
                            "Font": font("宋体", 10.5), "ForeColor": color(0xF0E6DC), "BackColor": color(0x100804),
                            "View": 3, "FullRowSelect": True, "GridLines": True, "HideSelection": False,
                            "ColumnHeaders": RECORD_COLUMNS}),
                        qlabel("balldateallnum", 150, 4110, 3000, 330, "总共: 0 条", font("宋体", 10.5, True),
                               PANEL_TEXT),
                        command("qelcom", 8400, 4020, 1350, 450, "删除", font("宋体", 10.5, True), index=0),
                        command("qelcom", 9900, 4020, 1350, 450, "全部清空", font("宋体", 10.5, True), index=1),
                        command("qelcom", 11400, 4020, 1350, 450, "刷新", font("宋体", 10.5, True), index=2),
                        command("backer", 13500, 4020, 1350, 450, "返回", font("宋体", 10.5, True)),
                    ])
    children.append(records)
    return frame("balldate", *CLOCK_PANEL, "比赛记录", visible=False, title_font=font("宋体", 12, True),
                 children=children)


def options_panel():
    text = font("宋体", 10.5, True)
    head = font("宋体", 12, True)
    children = [
        frame("settime", 240, 480, 4200, 3450, show_title=False, back1=PANEL_BACK2, back2=PANEL_BACK2, children=[
            label("slab", 240, 480, 3000, 330, "默认比赛时间", head, PANEL_TEXT, index=1),
            # The minutes box stands left of the label, the seconds box in its gap.
            textbox("settxt", 240, 945, 780, 390, "12", index=0),
            label("slab", 1080, 990, 2400, 330, "分：        秒", text, PANEL_TEXT, index=2),
            textbox("settxt", 1530, 945, 750, 390, "00", index=1),
            label("slab", 240, 1500, 3000, 330, "默认加时时间", head, PANEL_TEXT, index=4),
            textbox("settxt", 240, 1965, 780, 390, "5", index=2),
            label("slab", 1080, 2010, 2400, 330, "分：        秒", text, PANEL_TEXT, index=3),
            textbox("settxt", 1530, 1965, 750, 390, "00", index=3),
            command("sysconset", 240, 2700, 1500, 450, "默认值", text),
        ]),
        frame("setfunc", 4620, 480, 6600, 3450, show_title=False, back1=PANEL_BACK2, back2=PANEL_BACK2, children=[
            label("slab", 240, 390, 3000, 330, "常用功能", head, PANEL_TEXT, index=5),
        ] + [check("sqel1", 240 + (i // 4) * 3180, 840 + (i % 4) * 450, 3060, 390, cap, index=i)
             for i, cap in enumerate(["十秒倒计时响铃", "计时结束后响铃", "加减分按钮响铃", "启用快捷键加减",
                                      "启用按钮加减分", "计时自动关闭音乐", "开启分数框灯光背景", "启用比赛时关闭视频"])]
          + [command("moset", 240, 2700, 1500, 450, "默认值", text)]),
        frame("setlogo", 11400, 480, 3600, 2730, show_title=False, back1=PANEL_BACK2, back2=PANEL_BACK2,
              children=[
                  label("logolab", 240, 390, 1500, 330, "Logo图片", head, PANEL_TEXT),
                  picture("testpng", 240, 780, 1440, 1440, "img/logo.png"),
                  command("mainpngcomm", 1860, 1770, 1500, 450, "更换图片", text),
              ]),
        command("qelsave", 11400, 3480, 1680, 450, "保存", text),
        command("qelcancl", 13320, 3480, 1680, 450, "取消", text),
    ]
    return frame("sysset", *CLOCK_PANEL, "系统设置", visible=False, title_font=font("宋体", 12, True),
                 children=children)


# ---------------------------------------------------------------------------------------------
# The help panel and the notice box, shown over the board.

HELP_TEXT = (
    "开始/暂停计时：Enter 键，或点击“开始”按钮。\r\n\r\n"
    "加减分：A队 1 键加分、F1 键减分，B队 2 键加分、F2 键减分（在“按键设置”中可改），"
    "也可点击左右两侧的“+”“-”按钮。\r\n\r\n"
    "F5 进攻号，F6 防守号，F7 全场号。\r\n\r\n"
    "双击比赛主题、比赛时间、球队名称、比分或节次，可直接修改。\r\n\r\n"
    "菜单行设置主题与裁判、时间、球队、比分、节次和快捷键；“数据复位”将当前比赛清零。\r\n\r\n"
    "命令栏：系统设置、比赛模式、音乐模式、比赛记录、使用说明、最小化、退出程序。"
)


def help_panel():
    return frame("helps", 2160, 3060, 8565, 3945, "使用说明", visible=False, title_font=font("宋体", 12, True),
                 border=0x2060C0, children=[
                     # Near the right end of the title bar at the size the help command opens it.
                     picture("Image5", 8700, 30, 240, 240, "img/close.png", tooltip="关闭"),
                     picture("logopng", 240, 540, 1200, 1200, "img/logo.png"),
                     label("helptxt", 1620, 480, 7200, 3900, HELP_TEXT, font("宋体", 10.5), PANEL_TEXT, wrap=True),
                     label("val", 240, 4500, 8550, 330, "", font("宋体", 9), CAPTION_GREY),
                 ])


def notice_box():
    return frame("inshow", 5970, 8580, 3255, 1665, "信息提醒", visible=False, border=0x00C0FF,
                 title_font=font("宋体", 10.5, True), back1=0x3A2010, back2=0x1A0C04, children=[
                     label("L1", 150, 390, 2955, 720, "", font("宋体", 10.5, True), WHITE, wrap=True),
                     qlabel("qel1", 150, 1185, 1650, 330, "5秒后关闭", font("宋体", 9), 0x00E0FF),
                     ctl("qelToggleButton", "closet", 2010, 1125, 1080, 405, props={
                         "Caption": "确定", "Font": font("宋体", 10.5, True)}),
                 ])


# ---------------------------------------------------------------------------------------------
# The board.

def board():
    c = []
    title_font = font("宋体", 60, True)
    # The shadow lies lower by its offset and ends where the clock panel begins.
    c.append(qlabel("titxt", 105, 90, 15240, 1215, "", title_font, TITLE_SHADOW, align=2, index=0, data=True))
    c.append(qlabel("titxt", 60, 45, 15240, 1260, "", title_font, TITLE_TEXT, align=2, index=1, data=True))
    c.append(clock_panel())

    # Team names: the shadows first, so that the names lie over them.
    name_font = font("宋体", 50.25, True)
    for index, left in ((2, px(8)), (3, px(578))):
        c.append(qlabel("ballname", left + 60, px(367) + 60, px(438), px(72) - 60, "", name_font, NAME_SHADOW,
                        align=2, index=index, data=True))
    for index, left in ((0, px(8)), (1, px(578))):
        c.append(qlabel("ballname", left, px(367), px(438), px(72), "", name_font, NAME_TEXT, align=2, index=index,
                        data=True))

    # Scores in their boxes: the light behind, the shadow, the score; the labels stand higher
    # than the box, because the digits sit low in their line.
    score_font = font("DS-Digital", 219.75, True)
    for side, left in ((0, px(8)), (1, px(578))):
        c.append(frame("ballnumbox", left, px(439), px(438), px(237), show_title=False, back1=0x0A0604, back2=BLACK,
                       border=DARK_GREY, index=side, children=[
                           picture("backw", 0, 0, px(438), px(237), "img/glow.png", index=side + 1),
                           qlabel("ballnumber", 75, px(-32) + 75, px(438), px(270), "0", score_font, SCORE_SHADOW,
                                  align=2, index=side + 2),
                           qlabel("ballnumber", 0, px(-32), px(438), px(270), "0", score_font, SCORE_TEXT, align=2,
                                  index=side),
                       ]))

    # The middle column: the period with its overtime marks, the start button, the small displays.
    c.append(line("Line11", px(449), px(370), px(449), px(674), index=0))
    c.append(line("Line11", px(575), px(370), px(575), px(674), index=1))
    c.append(label("makecap", px(452), px(370), px(120), px(22), "节  次", font("宋体", 14.25, True), CAPTION_GREY,
                   align=2))
    mark = font("宋体", 14.25, True)
    c.append(label("addtimelab", px(454), px(410), px(26), px(44), "加\r\n时", mark, RED, align=2, index=0,
                   visible=False))
    c.append(label("ballmakenum", px(482), px(394), px(60), px(92), "1", font("Arial", 60, True), PERIOD_TEXT,
                   align=2))
    c.append(label("addtimelab", px(544), px(410), px(26), px(44), "加\r\n时", mark, RED, align=2, index=1,
                   visible=False))
    # One press of Enter starts or pauses the clock once, however long the key is held.
    c.append(command("ok", px(454), px(492), px(116), px(56), "开始", font("黑体", 26.25, True), back1=RED, back2=BLACK,
                     fore=WHITE, border=DARK_GREY, pushed=(RED, BLACK), enter_repeats=False))
    c.append(frame("ballnumfa", px(454), px(556), px(116), px(120), show_title=False, back1=BLACK, back2=BLACK,
                   gradient=0, border=DARK_GREY, visible=False, children=[
                       qlabel("ballnum2", 0, px(-12), px(116), px(84), "1", font("DS-Digital", 63.75, True),
                              PERIOD_TEXT, align=2, back_style=1),
                       qlabel("balltime2", 0, px(76), px(116), px(38), "12:00", font("DS-Digital", 26.25, True),
                              GREEN, align=2, back_style=1),
                   ]))

    # The bottom strip.
    c.append(line("line8", px(8), px(679), px(1016), px(679)))
    c.append(picture("mainlogo", px(8), px(684), px(70), px(70), "img/logo.png", tooltip="返回比赛模式"))
    hint = font("宋体", 9)
    c.append(label("keylab", px(86), px(684), px(150), px(18), "", hint, CAPTION_GREY, index=0))
    referee = font("宋体", 10.5, True)
    for i, left in enumerate((238, 422, 606)):
        c.append(label("zailab", px(left), px(683), px(180), px(20), "", referee, 0xE0E0E0, align=2, index=i,
                       visible=False))
    c.append(label("keylab", px(800), px(684), px(218), px(18), "", hint, CAPTION_GREY, align=1, index=1))

    bar = font("Arial", 9, True)
    for i, (cap, left) in enumerate(((" +", 86), (" -", 118), (" +", 958), (" -", 990))):
        c.append(command("v1", px(left), px(706), px(28), px(26), cap.strip(), font("Arial", 9), index=i))
    captions = [" 系统设置", " 比赛模式", "音乐模式", " 比赛记录", " 使用说明", " 最  小 化", " 退出程序"]
    for i, cap in enumerate(captions):
        c.append(command("on1", px(185 + i * 94), px(706), px(90), px(26), cap, bar, index=i))

    c.append(ctl("Shape", "Sh1", px(84), px(734), px(64), px(22), visible=False,
                 props={"BorderColor": color(0x00C0C0), "BorderWidth": 1}))
    menu = ["设置主题", "比赛时间", "球队名称", "比赛分数", "比赛节次", "按键设置", "数据复位", "进攻号F5", "防守号F6",
            "全场号F7"]
    for i, cap in enumerate(menu):
        c.append(label("lab", px(86 + i * 60), px(736), px(60), px(18), cap, font("宋体", 9), MENU_TEXT, align=2,
                       index=i, mnemonic=True))
    for i, (name, pic, tip) in enumerate((("im1", "img/ind_run.png", ""), ("im2", "img/ind_music.png", ""),
                                          ("im3", "img/ind_beat.png", ""), ("im4", "img/ind_live.png", ""))):
        c.append(picture(name, px(700 + i * 22), px(737), px(16), px(16), pic))
    c.append(label("timetxt", px(818), px(736), px(200), px(18), "", font("DS-Digital", 10.5, True), RED, align=1))

    c.append(music_panel())
    c.append(score_sheet_panel())
    c.append(options_panel())
    c.append(help_panel())
    c.append(notice_box())
    return frame("qelf1", 0, 0, 15360, 11520, show_title=False, back1=NAVY, back2=BLACK, border=DARK_GREY,
                 corner=False, children=c)


def layout():
    controls = [board(),
                ctl("Image", "mainico", 0, 0, 480, 480, visible=False, props={"Picture": "img/icon.png"}),
                # The file choosers of the music player and of the logo.
                ctl("CommonDialog", "Caddmp3", 0, 0, 480, 480),
                ctl("CommonDialog", "commopen", 0, 0, 480, 480)]
    for name, interval, enabled in (("Timer1", 1000, True), ("Timer2", 1000, False), ("Timer3", 95, False),
                                    ("Timer4", 1000, False), ("Timer5", 1000, True), ("Timer6", 50, True),
                                    ("Timer7", 2000, False), ("Timer8", 35000, False), ("Timer9", 10000, False),
                                    ("Timer10", 1000, False), ("Timer11", 6000, False), ("Timer12", 2000, True),
                                    ("Timer13", 2000, False), ("Timer14", 1000, False)):
        controls.append(timer(name, interval, enabled))
    return {
        "form": "main",
        "properties": {"Caption": "Ostrevan", "BackColor": color(BLACK), "KeyPreview": True, "Left": 0, "Top": 0,
                       "Width": 15360, "Height": 11520, "Icon": "img/icon.png"},
        "controls": controls,
    }


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    target = os.path.join(root, "resources", "forms", "main.json")
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "w", encoding="utf-8") as out:
        json.dump(layout(), out, ensure_ascii=False, indent=1)
        out.write("\n")
    print("make_main_layout: wrote", os.path.relpath(target, root))


if __name__ == "__main__":
    main()

// What Vantellis must show.
#include "deliverable.h"

const Deliverable kDeliverable = {
    L"Vantellis",
    L"Vantellis",
    L"此操作将退出游戏，是否继续？",
    L"" QUELLIX_EXPECTED_START_PAGE,
    L"",
    true,

    1164, 717,
    600, 360,
    L"正在加載，请稍等......",
    L"设置",
    L"隐藏(老板键 ALT + q)",
    L"还原",
    L"关闭",

    {"main.xml", "msg.xml", "res.xml", "imgs/",
     "imgs/main1.png", "imgs/6_n.png", "imgs/6_d.png", "imgs/7_n.png", "imgs/7_d.png",
     "imgs/bg.png", "imgs/logo.png", "imgs/btn.png", "imgs/hidebtn.png", "imgs/minbtn.png",
     "imgs/maxbtn.png", "imgs/restorebtn.png", "imgs/closebtn.png",
     "imgs/1_d.png", "imgs/1_n.png", "imgs/2_d.png", "imgs/2_n.png", "imgs/3_d.png", "imgs/3_n.png",
     "imgs/4_d.png", "imgs/4_n.png", "imgs/logo1.png", "imgs/main.png", "imgs/mian.png",
     "imgs/mutebtn.png", "imgs/voicebtn.png", "imgs/sep.png", "imgs/style.png", "imgs/cg22.txt",
     "browser.xml", "login.xml"},
    {{"imgs/main1.png", 1164, 717}, {"imgs/main.png", 1164, 717}, {"imgs/mian.png", 1164, 717},
     {"imgs/6_n.png", 30, 30}, {"imgs/6_d.png", 30, 30}, {"imgs/7_n.png", 30, 30}, {"imgs/7_d.png", 30, 30},
     {"imgs/bg.png", 70, 35}, {"imgs/logo.png", 16, 16}, {"imgs/logo1.png", 16, 16}, {"imgs/btn.png", 45, 63},
     {"imgs/hidebtn.png", 28, 81}, {"imgs/minbtn.png", 29, 81}, {"imgs/maxbtn.png", 28, 81},
     {"imgs/restorebtn.png", 28, 81}, {"imgs/closebtn.png", 33, 81},
     {"imgs/mutebtn.png", 28, 81}, {"imgs/voicebtn.png", 28, 81},
     {"imgs/1_d.png", 174, 44}, {"imgs/1_n.png", 174, 44}, {"imgs/2_d.png", 174, 44}, {"imgs/2_n.png", 174, 44},
     {"imgs/3_d.png", 174, 44}, {"imgs/3_n.png", 174, 44}, {"imgs/4_d.png", 174, 44}, {"imgs/4_n.png", 174, 44},
     {"imgs/sep.png", 2, 14}, {"imgs/style.png", 2, 14}},
    {{"imgs/logo1.png", "imgs/logo.png"}, {"imgs/main.png", "imgs/main1.png"}, {"imgs/mian.png", "imgs/main1.png"}},

    {128, 96, 64, 48, 32, 24, 20, 16},
    24,

    {L"Corvane", L"Tessmark", L"Halvorsk"},

    L"Vantellis",
    L"Quellix Studio",
};

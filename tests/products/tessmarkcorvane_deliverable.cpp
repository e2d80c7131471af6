// What TessmarkCorvane must show.
#include "deliverable.h"

const Deliverable kDeliverable = {
    L"Corvane",
    L"Corvane-登录",
    L"此操作將退出遊戲，是否繼續？",
    L"" QUELLIX_EXPECTED_START_PAGE,
    L"http://www.halvorsk.example/Point/index",
    false,

    1100, 760,
    660, 410,
    L"正在加載，請稍等......",
    L"設置",
    L"隱藏(老闆鍵 ALT + q)",
    L"還原",
    L"關閉",

    {"main.xml", "msg.xml", "res.xml", "imgs/",
     "imgs/main1.png", "imgs/6_n.png", "imgs/6_d.png", "imgs/7_n.png", "imgs/7_d.png",
     "imgs/bg.png", "imgs/logo.png", "imgs/btn.png", "imgs/hidebtn.png", "imgs/minbtn.png",
     "imgs/maxbtn.png", "imgs/restorebtn.png", "imgs/closebtn.png",
     "imgs/1_d.png", "imgs/1_n.png", "imgs/2_d.png", "imgs/2_n.png", "imgs/3_d.png", "imgs/3_n.png",
     "imgs/4_d.png", "imgs/4_n.png", "imgs/main.png", "imgs/mutebtn.png", "imgs/voicebtn.png",
     "imgs/sep.png", "imgs/style.png", "imgs/cg22.txt",
     "browser.xml", "login.xml"},
    {{"imgs/main1.png", 1100, 760}, {"imgs/main.png", 1100, 760},
     {"imgs/6_n.png", 30, 30}, {"imgs/6_d.png", 30, 30}, {"imgs/7_n.png", 30, 30}, {"imgs/7_d.png", 30, 30},
     {"imgs/bg.png", 70, 35}, {"imgs/logo.png", 16, 16}, {"imgs/btn.png", 45, 63},
     {"imgs/hidebtn.png", 28, 81}, {"imgs/minbtn.png", 29, 81}, {"imgs/maxbtn.png", 28, 81},
     {"imgs/restorebtn.png", 28, 81}, {"imgs/closebtn.png", 33, 81},
     {"imgs/mutebtn.png", 28, 81}, {"imgs/voicebtn.png", 28, 81},
     {"imgs/1_d.png", 174, 44}, {"imgs/1_n.png", 174, 44}, {"imgs/2_d.png", 174, 44}, {"imgs/2_n.png", 174, 44},
     {"imgs/3_d.png", 174, 44}, {"imgs/3_n.png", 174, 44}, {"imgs/4_d.png", 174, 44}, {"imgs/4_n.png", 174, 44},
     {"imgs/sep.png", 2, 14}, {"imgs/style.png", 2, 14}},
    {{"imgs/main.png", "imgs/main1.png"}},

    {240},
    32,

    {L"Vantellis"},

    L"TessmarkCorvane",
    L"Halvorsk Interactive",
};

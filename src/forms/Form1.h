#pragma once
#include "runtime/Form.h"

namespace forms {

// The main window, the hub of the game: the opening question, the first and the last
// puzzle, the menus, and the surrender and ending screens.
class Form1 : public Form {
public:
    Form1();

    CommandButton Command6{this};  // the switch
    CommandButton Command4{this};  // はい
    CommandButton Command5{this};  // いいえ
    CommandButton Command3{this};  // the problem button
    CommandButton Command2{this};  // 降参
    ControlArray<CommandButton> Command1{this, 2};  // the exit buttons おわり (0) and 終了 (1)
    Label Label5{this};
    Label Label4{this};
    Label Label3{this};
    Label Label1{this};
    Label Label2{this};

    Menu FIle{this, nullptr};
    Menu Exit{this, &FIle};
    Menu Etc{this, nullptr};
    Menu Kousan{this, &Etc};
    Menu Bar1{this, &Etc};
    Menu Version{this, &Etc};
    Menu Space{this, nullptr};
    Menu Lock{this, &Space};
    Menu Attack{this, &Space};

    void Form_Load() override;
    void Command4_Click();
    void Command5_Click();
    void Command1_Click(int Index);
    void Command2_Click();
    void Command3_Click();
    void Command6_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Exit_Click();
    void Kousan_Click();
    void Lock_Click();
    void Attack_Click();
    void Version_Click();
};

}  // namespace forms

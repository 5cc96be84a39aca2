// The text half: "↓" turns the plain text of 编辑框1 into symbol text in
// 编辑框2, "↑" turns it back.
#pragma once

void encryptTextClicked();
void decryptTextClicked();

#pragma once
// Code texts of realistic length for generated tips: 600 bytes on average, in lines of Visual Basic.

#include <random>
#include <string>

namespace tips_bench {

inline std::string TipCodeText(std::mt19937& random) {
    static const char* const kLines[] = {"Private Sub Command1_Click()\r\n", "    Dim i As Integer, s As String\r\n",
                                         "    For i = 1 To 10\r\n", "        s = s & Chr$(65 + i) ' letters\r\n",
                                         "    Next i\r\n", "    MsgBox \"Hecho: \" & s, vbInformation\r\n", "End Sub\r\n"};
    std::string text;
    const auto target = 300 + random() % 600;
    while (text.size() < target) text += kLines[random() % 7];
    return text;
}

}  // namespace tips_bench

#pragma once
// The program-wide references through which the four windows reach each other. Each window is
// the single one of its class; a pointer is null until that window exists.
namespace vr {

class TfrmSVDOptions;
class TfrmSVDActive;
class TfrmConfig;
class TForm1;

struct Program {
    TfrmSVDOptions* playerBar = nullptr;
    TfrmSVDActive* host = nullptr;
    TfrmConfig* about = nullptr;
    TForm1* playlist = nullptr;
};

Program& TheProgram();

}  // namespace vr

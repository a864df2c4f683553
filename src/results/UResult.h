#pragma once
// The window "Результат": the automaton's response, clock cycle by clock cycle.
#include "platform/gui/Forms.h"

class TFResult : public TForm {
public:
  explicit TFResult(TComponent* owner);
  // "T+1": the next clock cycle.
  void BitBtn2Click(TObject* Sender);
};

extern TFResult* FResult;

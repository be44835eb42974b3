#include "image/startup_state.h"

#include "image/adjust_defaults.h"
#include "image/channel_defaults.h"
#include "image/fm_defaults.h"
#include "image/option_defaults.h"
#include "image/signal_defaults.h"
#include "image/tone_list.h"

namespace zv {

void Build_Startup_State(Shared_State &s, const std::function<void()> &restart_identify) {
  s.Chan_Count = 200;
  Init_Tone_Tables();
  s.Bands = Band_Limits{136, 174, 200, 270, 400, 520, 340, 400};
  s.Tone_Tick_Ms = 0.000434028;

  if (restart_identify) restart_identify();

  s.Radio_Image.Fill(0, map::kLastLine, 0, kImageDataCols - 1, 0xFF);

  Load_Fm_Defaults(s.Radio_Image);
  Load_Option_Defaults(s.Opt_Block, s.Radio_Image);
  Load_Dtmf_Defaults(s.Radio_Image);
  Load_Tone2_Defaults(s.Radio_Image, s.Tone_Tick_Ms);
  Load_Tone5_Defaults(s.Tone5, s.Radio_Image);
  Load_Adjust_Defaults(s.Adjust_Defaults);

  Copy_Adjust_Defaults(s.Adjust_Defaults, s.Adjust_Table);

  Load_Channel_Defaults(s.Radio_Image);
}

}  // namespace zv

#pragma once

namespace datagen {

class Output;

/// Speaks every voiced announcement with espeak-ng in a male voice into "Sound/Myj/n.wav" and a
/// female voice into "Sound/Jen/n.wav". Fails the generator when espeak-ng is missing or fails.
void writeVoicePhrases(const Output& out);

} // namespace datagen

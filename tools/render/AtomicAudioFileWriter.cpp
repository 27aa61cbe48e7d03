#include "AtomicAudioFileWriter.h"

AtomicAudioFileWriter::AtomicAudioFileWriter()
{
    formats.registerBasicFormats();   // WAV, AIFF and FLAC in this configuration
}

AtomicAudioFileWriter::~AtomicAudioFileWriter()
{
    writer.reset();       // closes the stream before the temporary file is deleted
    temporary.reset();
}

juce::AudioFormat* AtomicAudioFileWriter::formatFor (const juce::File& file)
{
    const auto extension = file.getFileExtension().toLowerCase();
    if (extension != ".wav" && extension != ".aif" && extension != ".aiff" && extension != ".flac")
        return nullptr;
    return formats.findFormatForFileExtension (extension);
}

bool AtomicAudioFileWriter::open (const juce::File& targetFile, double sampleRate, int numChannels,
                                  int bitDepth, bool floatSamples, juce::String& error)
{
    target = targetFile;
    auto* format = formatFor (target);
    if (format == nullptr)
    {
        error = "cannot tell the output format from \"" + target.getFileName() + "\": use .wav, .aif, .aiff or .flac";
        return false;
    }
    const int bits = floatSamples ? 32 : bitDepth;
    if (floatSamples && ! format->getFormatName().containsIgnoreCase ("wav"))
    {
        error = "--float needs a WAV output; " + format->getFormatName() + " stores integers (use --bits 16 or 24)";
        return false;
    }
    if (! format->getPossibleBitDepths().contains (bits))
    {
        error = format->getFormatName() + " cannot store " + juce::String (bits) + "-bit samples";
        return false;
    }
    if (target.isDirectory())
    {
        error = "the output " + target.getFullPathName() + " is a folder";
        return false;
    }
    if (! target.getParentDirectory().isDirectory())
    {
        error = "cannot write " + target.getFullPathName() + ": its folder does not exist";
        return false;
    }

    temporary = std::make_unique<juce::TemporaryFile> (target);
    auto stream = std::make_unique<juce::FileOutputStream> (temporary->getFile());
    if (! stream->openedOk())
    {
        error = "cannot write in " + target.getParentDirectory().getFullPathName() + ": " + stream->getStatus().getErrorMessage();
        return false;
    }

    const int quality = format->getQualityOptions().isEmpty() ? 0 : juce::jmin (5, format->getQualityOptions().size() - 1);
    writer.reset (format->createWriterFor (stream.get(), sampleRate, (unsigned int) numChannels, bits, {}, quality));
    if (writer == nullptr)
    {
        error = "cannot write " + juce::String (numChannels) + " channels at " + juce::String (sampleRate) + " Hz as " + format->getFormatName();
        return false;
    }
    stream.release();   // owned by the writer now
    return true;
}

bool AtomicAudioFileWriter::write (const juce::AudioBuffer<float>& buffer, int numSamples)
{
    return writer != nullptr && writer->writeFromAudioSampleBuffer (buffer, 0, numSamples);
}

bool AtomicAudioFileWriter::commit (juce::String& error)
{
    if (writer == nullptr || temporary == nullptr)
    {
        error = "nothing to write";
        return false;
    }
    writer.reset();   // flushes the header and closes the file
    if (! temporary->overwriteTargetFileWithTemporary())
    {
        error = "cannot move the finished file to " + target.getFullPathName();
        return false;
    }
    temporary.reset();
    return true;
}

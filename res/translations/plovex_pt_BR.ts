<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ColourDialogService</name>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Digite um número.</translation>
    </message>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>Digite um número inteiro de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>X Scale:</source>
        <translation>Escala X:</translation>
    </message>
    <message>
        <source>Y Scale:</source>
        <translation>Escala Y:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualid.:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A function plotter for the desktop,
by the Plovex authors.</source>
        <translation>Traçador de funções para desktop,
pelos autores do Plovex.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>About Plovex</source>
        <translation>Sobre o Plovex</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Traçar</translation>
    </message>
    <message>
        <source>Plot &amp;dy/dx</source>
        <translation>Traçar d&amp;y/dx</translation>
    </message>
    <message>
        <source>Eva&amp;l dy/dx</source>
        <translation>Ava&amp;l. dy/dx</translation>
    </message>
    <message>
        <source>Ev&amp;aluate</source>
        <translation>A&amp;valiar</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Integrar</translation>
    </message>
    <message>
        <source>Do &amp;not clear previous graph</source>
        <translation>&amp;Não apagar gráfico anterior</translation>
    </message>
    <message>
        <source>I&amp;mplicit function</source>
        <translation>I&amp;mplícita</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Passo:</translation>
    </message>
    <message>
        <source>Table of Values</source>
        <translation>Tabela de valores</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>Keep the visible &amp;region</source>
        <translation>Manter a &amp;região visível</translation>
    </message>
    <message>
        <source>Keep the &amp;scales</source>
        <translation>Manter as &amp;escalas</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfico</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message numerus="yes">
        <source>The expression is too long: a graph document holds at most %n bytes.</source>
        <translation>
            <numerusform>A expressão é longa demais: um documento de gráfico comporta no máximo %n byte.</numerusform>
            <numerusform>A expressão é longa demais: um documento de gráfico comporta no máximo %n bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Parse Error: Unrecognised symbol &apos;%1&apos;.</source>
        <translation>Erro de sintaxe: símbolo &quot;%1&quot; não reconhecido.</translation>
    </message>
    <message>
        <source>Parse Error: Unmatched parentheses.</source>
        <translation>Erro de sintaxe: parênteses desbalanceados.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;y&apos; allowed only in implicit functions.</source>
        <translation>Erro de sintaxe: a variável &quot;y&quot; só é permitida em funções implícitas.</translation>
    </message>
    <message>
        <source>Parse Error: Unrecognised function &apos;%1&apos;.</source>
        <translation>Erro de sintaxe: função &quot;%1&quot; não reconhecida.</translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation>EM CURSO</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>CONCLUÍDO</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Máximo: %1</translation>
    </message>
    <message>
        <source>Minimum: %1</source>
        <translation>Mínimo: %1</translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <translation>Média: %1</translation>
    </message>
    <message>
        <source>Fewer samples were drawn than the quality asks: at quality %1 the step between samples no longer moves the sampling position from pixel %2 (from the centre) on, so the graph stops there.</source>
        <translation>Foram traçadas menos amostras do que a qualidade pede: com qualidade %1, o passo entre amostras deixa de mover a posição de amostragem a partir do pixel %2 (contado do centro), por isso o gráfico termina ali.</translation>
    </message>
    <message>
        <source>The integral stopped at x = %1, short of the upper limit %2: from there on adding the step 0.01 no longer changes x. The result is the integral up to that point.</source>
        <translation>A integração parou em x = %1, antes do limite superior %2: a partir dali, somar o passo 0.01 não altera mais x. O resultado é a integral até esse ponto.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file ends inside the length of the expression.</source>
        <translation>O arquivo termina no meio do comprimento da expressão.</translation>
    </message>
    <message numerus="yes">
        <source>The file claims an expression of %1 characters but holds only %2.</source>
        <translation>
            <numerusform>O arquivo indica uma expressão de %1 caractere, mas contém apenas %2.</numerusform>
            <numerusform>O arquivo indica uma expressão de %1 caracteres, mas contém apenas %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>vermillion</source>
        <translation>vermelhão</translation>
    </message>
    <message>
        <source>bluish green</source>
        <translation>verde-azulado</translation>
    </message>
    <message>
        <source>reddish purple</source>
        <translation>púrpura-avermelhado</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>laranja</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>azul-celeste</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
    </message>
    <message>
        <source>The step must be a number other than 0.</source>
        <translation>O passo deve ser um número diferente de 0.</translation>
    </message>
    <message>
        <source>From and To must be numbers.</source>
        <translation>&quot;De&quot; e &quot;Até&quot; devem ser números.</translation>
    </message>
    <message>
        <source>The step leads away from To: give it the sign of To - From.</source>
        <translation>O passo se afasta de &quot;Até&quot;: dê a ele o sinal de Até - De.</translation>
    </message>
    <message>
        <source>Rendering stopped:
no statistics.</source>
        <translation>Traçado interrompido:
sem estatísticas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Parse Error: Function &apos;%1&apos; has no argument.</source>
        <translation>Erro de sintaxe: a função &quot;%1&quot; não tem argumento.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;%1&apos; not allowed in parametric and polar functions, which use t.</source>
        <translation>Erro de sintaxe: a variável &quot;%1&quot; não é permitida em funções paramétricas e polares, que usam t.</translation>
    </message>
    <message numerus="yes">
        <source>The table would have more than %n rows: choose a larger step or a shorter range.</source>
        <translation>
            <numerusform>A tabela teria mais de %n linha: escolha um passo maior ou um intervalo menor.</numerusform>
            <numerusform>A tabela teria mais de %n linhas: escolha um passo maior ou um intervalo menor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n points were found; the first %n in order of x are listed.</source>
        <translation>
            <numerusform>Foi encontrado mais de %n ponto; o primeiro em ordem de x é listado.</numerusform>
            <numerusform>Foram encontrados mais de %n pontos; os %n primeiros em ordem de x são listados.</numerusform>
        </translation>
    </message>
    <message>
        <source>A parameter needs a name.</source>
        <translation>Um parâmetro precisa de um nome.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name starts with a lower-case letter.</source>
        <translation>&quot;%1&quot; não pode ser nome de parâmetro: um nome começa com uma letra minúscula.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name holds only lower-case letters and digits.</source>
        <translation>&quot;%1&quot; não pode ser nome de parâmetro: um nome contém apenas letras minúsculas e algarismos.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x, y and t are variables.</source>
        <translation>&quot;%1&quot; não pode ser nome de parâmetro: x, y e t são variáveis.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is the number pi.</source>
        <translation>&quot;%1&quot; não pode ser nome de parâmetro: é o número pi.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is a built-in function.</source>
        <translation>&quot;%1&quot; não pode ser nome de parâmetro: é uma função embutida.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x and y in a name are always the variables (&apos;ax&apos; reads as a*x).</source>
        <translation>&quot;%1&quot; não pode ser nome de parâmetro: x e y em um nome são sempre as variáveis (&quot;ax&quot; é lido como a*x).</translation>
    </message>
    <message>
        <source>There is already a parameter &apos;%1&apos;.</source>
        <translation>Já existe um parâmetro &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The value of a parameter must be a finite number.</source>
        <translation>O valor de um parâmetro deve ser um número finito.</translation>
    </message>
    <message>
        <source>The minimum, the maximum and the step must be finite numbers.</source>
        <translation>O mínimo, o máximo e o passo devem ser números finitos.</translation>
    </message>
    <message>
        <source>The minimum must be less than the maximum.</source>
        <translation>O mínimo deve ser menor que o máximo.</translation>
    </message>
    <message>
        <source>The step must be more than 0.</source>
        <translation>O passo deve ser maior que 0.</translation>
    </message>
    <message>
        <source>A slider has at most %1 steps: choose a larger step or a smaller range.</source>
        <translation>Um controle deslizante tem no máximo %1 passos: escolha um passo maior ou um intervalo menor.</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Traçado</translation>
    </message>
    <message>
        <source>Change Scale</source>
        <translation>Alteração de escala</translation>
    </message>
    <message>
        <source>Change Kind</source>
        <translation>Alteração de tipo</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Digitação</translation>
    </message>
    <message>
        <source>New Function</source>
        <translation>Nova função</translation>
    </message>
    <message>
        <source>Delete Function</source>
        <translation>Exclusão de função</translation>
    </message>
    <message>
        <source>Move Function</source>
        <translation>Movimentação de função</translation>
    </message>
    <message>
        <source>Change Colour</source>
        <translation>Alteração de cor</translation>
    </message>
    <message>
        <source>Show Function</source>
        <translation>Exibição de função</translation>
    </message>
    <message>
        <source>Hide Function</source>
        <translation>Ocultação de função</translation>
    </message>
    <message>
        <source>New Parameter</source>
        <translation>Novo parâmetro</translation>
    </message>
    <message>
        <source>Delete Parameter</source>
        <translation>Exclusão de parâmetro</translation>
    </message>
    <message>
        <source>Rename Parameter</source>
        <translation>Renomeação de parâmetro</translation>
    </message>
    <message>
        <source>Change Range</source>
        <translation>Alteração de intervalo</translation>
    </message>
    <message>
        <source>Change Value</source>
        <translation>Alteração de valor</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>PARADO</translation>
    </message>
</context>
<context>
    <name>FileDialogService</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a block device: a disk is never written to directly.</source>
        <translation>É um dispositivo de bloco: nunca se grava diretamente em um disco.</translation>
    </message>
    <message>
        <source>It is neither a file nor a device that can be written to.</source>
        <translation>Não é um arquivo nem um dispositivo em que se possa gravar.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>É um pipe nomeado (FIFO), não um arquivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>É um socket, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a character device, not a file.</source>
        <translation>É um dispositivo de caracteres, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a block device, not a file.</source>
        <translation>É um dispositivo de bloco, não um arquivo.</translation>
    </message>
    <message>
        <source>It is a special file, not a regular file.</source>
        <translation>É um arquivo especial, não um arquivo comum.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n bytes, the most that is read.</source>
        <translation>
            <numerusform>O arquivo tem mais de %n byte, o máximo que é lido.</numerusform>
            <numerusform>O arquivo tem mais de %n bytes, o máximo que é lido.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Derivative of no expression</source>
        <translation>Derivada de nenhuma expressão</translation>
    </message>
    <message>
        <source>No expression</source>
        <translation>Nenhuma expressão</translation>
    </message>
    <message>
        <source>Derivative of %1</source>
        <translation>Derivada de %1</translation>
    </message>
    <message>
        <source>%1, implicit</source>
        <translation>%1, implícita</translation>
    </message>
    <message>
        <source>%1, explicit</source>
        <translation>%1, explícita</translation>
    </message>
    <message>
        <source>no expression</source>
        <translation>nenhuma expressão</translation>
    </message>
    <message>
        <source>Polar curve r = %1 for t from %2 to %3</source>
        <translation>Curva polar r = %1 para t de %2 a %3</translation>
    </message>
    <message>
        <source>polar curve r = %1 for t from %2 to %3</source>
        <translation>curva polar r = %1 para t de %2 a %3</translation>
    </message>
    <message>
        <source>Parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>Curva paramétrica (%1, %2) para t de %3 a %4</translation>
    </message>
    <message>
        <source>parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>curva paramétrica (%1, %2) para t de %3 a %4</translation>
    </message>
    <message>
        <source>%1, drawn over the previous graph</source>
        <translation>%1, traçada sobre o gráfico anterior</translation>
    </message>
    <message>
        <source>%1. X scale %2, Y scale %3. %4.</source>
        <translation>%1. Escala X %2, escala Y %3. %4.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>%1 = 0 in %2</source>
        <translation>%1 = 0 em %2</translation>
    </message>
    <message>
        <source>Nothing shown. Selected: %1</source>
        <translation>Nenhuma visível. Selecionada: %1</translation>
    </message>
    <message>
        <source>Shown: %1. Selected: %2</source>
        <translation>Visíveis: %1. Selecionada: %2</translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>Cannot export the graph to &quot;%1&quot;.

%2</source>
        <translation>Não é possível exportar o gráfico para &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Imagens (*.%1)</translation>
    </message>
    <message>
        <source>The name&apos;s extension does not say which image format to write. Use one of: %1.</source>
        <translation>A extensão do nome não indica qual formato de imagem gravar. Use uma destas: %1.</translation>
    </message>
    <message>
        <source>Vector pictures (*.pdf *.svg)</source>
        <translation>Imagens vetoriais (*.pdf *.svg)</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Não foi possível desenhar a imagem.</translation>
    </message>
</context>
<context>
    <name>ParameterQuestion</name>
    <message>
        <source>The expression uses &apos;%1&apos;, which is not defined. Create a parameter %1 = %2 (from %3 to %4)?</source>
        <translation>A expressão usa &quot;%1&quot;, que não está definido. Criar um parâmetro %1 = %2 (de %3 a %4)?</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>
Graph
Graph
Plovex Graph (*.pxg)
.pxg
Plovex.Graph
Plovex Graph</source>
        <translation>
Gráfico
Gráfico
Gráfico do Plovex (*.pxg)
.pxg
Plovex.Graph
Gráfico do Plovex</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expressão</translation>
    </message>
    <message>
        <source>Postfix form</source>
        <translation>Forma pós-fixa</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Increase X scale</source>
        <translation>Aumentar a escala X</translation>
    </message>
    <message>
        <source>Decrease X scale</source>
        <translation>Diminuir a escala X</translation>
    </message>
    <message>
        <source>Increase Y scale</source>
        <translation>Aumentar a escala Y</translation>
    </message>
    <message>
        <source>Decrease Y scale</source>
        <translation>Diminuir a escala Y</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Tópicos da ajuda</translation>
    </message>
    <message>
        <source>Topic text</source>
        <translation>Texto do tópico</translation>
    </message>
    <message>
        <source>Plovex 2</source>
        <translation>Plovex 2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Criar um novo documento
Novo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir um documento existente
Abrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fechar o documento ativo
Fechar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Salvar o documento ativo
Salvar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Salvar o documento ativo com outro nome
Salvar como</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar a seleção para a área de transferência
Copiar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Recortar a seleção e colocá-la na área de transferência
Recortar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserir o conteúdo da área de transferência
Colar</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Desfazer a última ação
Desfazer</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abrir outra janela para o documento ativo
Nova janela</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organizar os ícones na parte inferior da janela
Organizar ícones</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar as janelas sobrepostas
Janelas em cascata</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar as janelas lado a lado, sem sobreposição
Janelas lado a lado</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número da versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sair do aplicativo; pergunta se os documentos devem ser salvos
Sair</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passar para o próximo painel da janela
Próximo painel</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Voltar ao painel anterior da janela
Painel anterior</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Copy the graph&apos;s picture to the Clipboard
Copy Graph</source>
        <translation>Copiar a imagem do gráfico para a área de transferência
Copiar gráfico</translation>
    </message>
    <message>
        <source>Print the active graph
Print</source>
        <translation>Imprimir o gráfico ativo
Imprimir</translation>
    </message>
    <message>
        <source>Display the page as it will be printed
Print Preview</source>
        <translation>Exibir a página como será impressa
Visualizar impressão</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Exibir ou ocultar a barra de ferramentas
Barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Exibir ou ocultar a barra de status
Barra de status</translation>
    </message>
    <message>
        <source>Show or hide the grid and tick labels
Toggle Grid</source>
        <translation>Exibir ou ocultar a grade e as marcas dos eixos
Grade</translation>
    </message>
    <message>
        <source>Plovex draws graphs of mathematical functions.

Type a function of x and Plovex plots it. You can stretch or squeeze the picture along either axis, trade speed for detail with the quality setting, draw the graph of the derivative dy/dx, integrate the function between two limits, and draw implicit functions of x and y.

Choose a topic on the left to read more.</source>
        <translation>O Plovex traça gráficos de funções matemáticas.

Digite uma função de x e o Plovex traça o gráfico. Você pode esticar ou comprimir a imagem ao longo de cada eixo, escolher entre velocidade e detalhe com o ajuste de qualidade, traçar o gráfico da derivada dy/dx, integrar a função entre dois limites e traçar funções implícitas de x e y.

Escolha um tópico à esquerda para saber mais.</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funções</translation>
    </message>
    <message>
        <source>Show or hide the list of the graph&apos;s functions (Ctrl+Shift+L goes to it)
Toggle Function List</source>
        <translation>Exibir ou ocultar a lista de funções do gráfico (Ctrl+Shift+L leva a ela)
Lista de funções</translation>
    </message>
    <message>
        <source>Add an empty function after the selected one
New Function</source>
        <translation>Adicionar uma função vazia após a selecionada
Nova função</translation>
    </message>
    <message>
        <source>Delete the selected function
Delete Function</source>
        <translation>Excluir a função selecionada
Excluir função</translation>
    </message>
    <message>
        <source>Choose the colour of the selected function
Colour</source>
        <translation>Escolher a cor da função selecionada
Cor</translation>
    </message>
    <message>
        <source>Move the selected function up the list
Move Up</source>
        <translation>Subir a função selecionada na lista
Subir</translation>
    </message>
    <message>
        <source>Move the selected function down the list
Move Down</source>
        <translation>Descer a função selecionada na lista
Descer</translation>
    </message>
    <message>
        <source>Find where the function crosses zero in the visible x range
Find Roots</source>
        <translation>Encontrar onde a função se anula no intervalo de x visível
Encontrar raízes</translation>
    </message>
    <message>
        <source>Find the function&apos;s minima and maxima in the visible x range
Find Extrema</source>
        <translation>Encontrar os mínimos e máximos da função no intervalo de x visível
Encontrar extremos</translation>
    </message>
    <message>
        <source>Find where the function meets the graph&apos;s other functions in the visible x range
Find Intersections</source>
        <translation>Encontrar onde a função cruza as outras funções do gráfico no intervalo de x visível
Encontrar interseções</translation>
    </message>
    <message>
        <source>List x, f(x) and dy/dx from one x to another in steps
Table of Values</source>
        <translation>Listar x, f(x) e dy/dx de um x a outro, passo a passo
Tabela de valores</translation>
    </message>
    <message>
        <source>Calculator: enter an arithmetic expression without x, such as 2^10/3, click Plot and read the result in the information box: the maximum, minimum and mean all show the value.

Solving equations: tick Implicit function and enter a function of x alone. The graph drawn is the set where f(x) = 0: upright lines whose positions along the x-axis are the values of x at which the function vanishes.

Example: x*sin x

From a terminal: plovex --expression=EXPR --roots (or --extrema, or both) prints one line per point in order of x: root, minimum or maximum, then x and y. The options --size=WxH (the graph area, 610x238 unless given), --xscale and --dydx choose the columns and the function as the window would; --intersections prints where the expression meets each other explicit function (--function=EXPR, once for each), the other&apos;s number last. plovex --expression=EXPR --table=FROM,TO,STEP prints x, f(x) and dy/dx on each line. --exact prints every number in full.</source>
        <translation>Calculadora: digite uma expressão aritmética sem x, como 2^10/3, clique em &quot;Traçar&quot; e leia o resultado na caixa de informações: o máximo, o mínimo e a média mostram todos esse valor.

Resolução de equações: marque &quot;Implícita&quot; e digite uma função só de x. O gráfico traçado é o conjunto em que f(x) = 0: retas verticais cujas posições no eixo x são os valores de x em que a função se anula.

Exemplo: x*sin x

Em um terminal: plovex --expression=EXPR --roots (ou --extrema, ou ambos) imprime uma linha por ponto em ordem de x: root, minimum ou maximum, depois x e y. As opções --size=WxH (a área do gráfico, 610x238 se não for dada), --xscale e --dydx escolhem as colunas e a função como a janela faria; --intersections imprime onde a expressão cruza cada outra função explícita (--function=EXPR, uma vez para cada), com o número da outra por último. plovex --expression=EXPR --table=FROM,TO,STEP imprime x, f(x) e dy/dx em cada linha. --exact imprime cada número por completo.</translation>
    </message>
    <message>
        <source>Zoom in on the centre of the graph
Zoom In</source>
        <translation>Ampliar a partir do centro do gráfico
Ampliar</translation>
    </message>
    <message>
        <source>Zoom out from the centre of the graph
Zoom Out</source>
        <translation>Reduzir a partir do centro do gráfico
Reduzir</translation>
    </message>
    <message>
        <source>Show the graph at scales 10 with the origin at the centre
Reset View</source>
        <translation>Mostrar o gráfico nas escalas 10 com a origem no centro
Redefinir visualização</translation>
    </message>
    <message>
        <source>Give the y axis the scale of the x axis, so that circles look round
Equal Scales</source>
        <translation>Dar ao eixo y a escala do eixo x, para que as circunferências pareçam redondas
Igualar escalas</translation>
    </message>
    <message>
        <source>Go back to the previous view of the graph
Back</source>
        <translation>Voltar à visualização anterior do gráfico
Voltar</translation>
    </message>
    <message>
        <source>Go forward to the next view of the graph
Forward</source>
        <translation>Avançar para a próxima visualização do gráfico
Avançar</translation>
    </message>
    <message>
        <source>Some inputs to try, with suggested settings:

x*sin(x)  with Quality 50
x+sin(x)  with X Scale and Y Scale 2
(cos x)^2  with X Scale 30 and Y Scale 125
1/((x^2+1)^1.5)  with X Scale 25 and Y Scale 90

Implicit functions (tick Implicit function first):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Parametric and polar curves: in the Functions list open the menu of New Function (the arrow beside New, or Alt+Insert in the list) and choose Parametric or Polar. Type x(t) and y(t), or r(t), and the range of t below the list, then press Enter or Plot. Each curve is drawn as points, more of them at a higher quality. Evaluate, Eval dy/dx, Integrate, Plot dy/dx and the Tools menu work on explicit functions; the statistics of a selected curve are those of the y of its points.

x(t) = t - sin t, y(t) = 1 - cos t, t from 0 to 18.85: a cycloid
x(t) = sin(3*t), y(t) = sin(2*t) with X Scale and Y Scale 100: a Lissajous figure
r(t) = cos(5*t) with X Scale and Y Scale 100: a rose
r(t) = t/2, t from 0 to 31.4: a spiral</source>
        <translation>Algumas entradas para experimentar, com ajustes sugeridos:

x*sin(x)  com qualidade 50
x+sin(x)  com escala X e escala Y 2
(cos x)^2  com escala X 30 e escala Y 125
1/((x^2+1)^1.5)  com escala X 25 e escala Y 90

Funções implícitas (marque antes &quot;Implícita&quot;):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Curvas paramétricas e polares: na lista de funções, abra o menu de &quot;Nova função&quot; (a seta ao lado de &quot;Nova&quot;, ou Alt+Insert na lista) e escolha &quot;Paramétrica&quot; ou &quot;Polar&quot;. Digite x(t) e y(t), ou r(t), e o intervalo de t abaixo da lista e pressione Enter ou &quot;Traçar&quot;. Cada curva é desenhada como pontos, tanto mais numerosos quanto maior a qualidade. &quot;Avaliar&quot;, &quot;Aval. dy/dx&quot;, &quot;Integrar&quot;, &quot;Traçar dy/dx&quot; e o menu &quot;Ferramentas&quot; atuam sobre funções explícitas; as estatísticas de uma curva selecionada são as do y de seus pontos.

x(t) = t - sin t, y(t) = 1 - cos t, t de 0 até 18.85: uma cicloide
x(t) = sin(3*t), y(t) = sin(2*t) com escala X e escala Y 100: uma figura de Lissajous
r(t) = cos(5*t) com escala X e escala Y 100: uma rosácea
r(t) = t/2, t de 0 até 31.4: uma espiral</translation>
    </message>
    <message>
        <source>The built-in functions:

Trigonometric: sin, cos, tan, cosec, sec, cot
Inverse trigonometric: asin, acos, atan
Exponential and logarithmic: e, ln, log (e(x) is e to the power x, e(1) the number e; log is the logarithm to base 10)
abs: the modulus (absolute value)
sqrt: the square root, the same as raising to the power 1/2
floor: the greatest integer not greater than its argument

The constant pi: the number 3.1415927.

Angles are in radians. Each function applies to the operand right after it, with or without parentheses, and must have one: e^x is an error, e(x) is right.</source>
        <translation>As funções embutidas:

Trigonométricas: sin, cos, tan, cosec, sec, cot
Trigonométricas inversas: asin, acos, atan
Exponencial e logarítmicas: e, ln, log (e(x) é e elevado a x, e(1) o número e; log é o logaritmo na base 10)
abs: o módulo (valor absoluto)
sqrt: a raiz quadrada, o mesmo que elevar à potência 1/2
floor: o maior inteiro que não é maior que o argumento (parte inteira)

A constante pi: o número 3.1415927.

Os ângulos são em radianos. Cada função se aplica ao operando logo depois dela, com ou sem parênteses, e precisa de um: e^x é um erro, e(x) está certo.</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Abrir a ajuda</translation>
    </message>
    <message>
        <source>Save the active graph as an image, SVG or PDF file of the size you choose
Export Graph</source>
        <translation>Salvar o gráfico ativo como arquivo de imagem, SVG ou PDF no tamanho escolhido
Exportar gráfico</translation>
    </message>
    <message>
        <source>Show the active graph on the whole screen; F11 or Esc goes back
Full Screen Graph</source>
        <translation>Mostrar o gráfico ativo na tela inteira; F11 ou Esc volta
Gráfico em tela cheia</translation>
    </message>
    <message>
        <source>X Scale and Y Scale: the number of pixels per unit along each axis. Type a value or use the + and - buttons, which redraw the graph at once.

Quality: the number of samples taken in each pixel column. A lower quality is faster but the curve may be dotted; a higher quality is slower but draws a complete line.

Plot dy/dx: plots the derivative f&apos;(x) of the function.

Integrate: evaluates the definite integral of the function between two limits that you type.

Evaluate and Eval dy/dx: give the value of the function, or of its derivative, at an x that you choose.

The information box shows the maximum, minimum and mean of the plotted values after each plot.

Move the mouse over the graph to see the co-ordinates under the pointer. A * after them means the point lies on the curve. The status bar of the main window shows the same point with as many decimals as the scale warrants, such as x = 1.25, y = -0.375 at scale 80.

Grid: View &gt; Grid (Ctrl+G) draws a grid with labelled ticks under every graph, to read values off the picture. The lines are 1, 2 or 5 times a power of ten units apart, at least 40 pixels, so they follow the scales. The choice holds for every graph and is remembered; with Do not clear previous graph ticked no grid is drawn.

Keyboard: Enter in the expression box plots. Alt with a button&apos;s underlined letter presses it (Alt+P plots); Alt+Shift with an arrow key changes a scale as its + and - buttons do. Tab also reaches the graph, whose border then shows the highlight colour: there the arrow keys move the view a tenth of the graph at a time, one pixel with Shift.

Tools menu: Find Roots, Find Extrema and Find Intersections (with every other shown explicit function) look at the selected function as the graph shows it, over the x range of the graph: one sample per pixel column, at the x the graph is drawn with. The points found are listed in the Points window (function, kind, x and y, in order of x) and ringed on the graph until it is drawn again. Choose a row to see its point in the status bar; Copy (Ctrl+C) copies the rows with a header line, a tab between the columns, and Export CSV saves them as a file. One command lists at most 1000 points.

A root is found between every two neighbouring samples of opposite sign, and at every sample that is exactly 0. Its x is a number where f is 0, or where f changes sign towards the next number (as closely as the program&apos;s numbers go) with no larger size there. Where the size of f keeps growing from both sides as the search closes in (a pole, as tan x at pi/2, or a jump, as x - floor(x) - 0.5 at 1), no root is listed. A minimum or maximum whose value is 0 is a root too: the curve touches zero there.

A maximum (minimum) is found at every sample above (below) both its neighbours; a run of equal samples counts once. Its x gives a value no smaller (larger) than the samples around it and than the numbers just beside it. Poles and infinite values are not listed as maxima or minima. An intersection of two functions is a root of their difference; its y is the value of the first.

Table of Values asks for From, To and Step and lists x, f(x) and dy/dx (as Eval dy/dx gives it) for x = From, From + Step, ... up to To. A step of 0, a step that leads away from To, or more than 100000 rows is refused. Copy and Export CSV work as in the Points window.

The graph at any size: View &gt; Full Screen Graph (F11) shows the graph on the whole screen, where the wheel, dragging and the View commands work as over the form; F11, or Esc when nothing is being drawn, goes back. File &gt; Export Graph asks for the picture&apos;s size and whether to keep the visible region (the scales grow with the picture) or the scales (a bigger picture shows more), then writes an image, or an SVG or PDF file that holds the graph as lines and text.</source>
        <translation>Escala X e Escala Y: o número de pixels por unidade ao longo de cada eixo. Digite um valor ou use os botões + e -, que traçam o gráfico de novo na hora.

Qualidade (Qualid.): o número de amostras tomadas em cada coluna de pixels. Uma qualidade menor é mais rápida, mas a curva pode sair pontilhada; uma qualidade maior é mais lenta, mas traça uma linha contínua.

Traçar dy/dx: traça a derivada f&apos;(x) da função.

Integrar: calcula a integral definida da função entre dois limites que você digita.

Avaliar e Aval. dy/dx: dão o valor da função, ou de sua derivada, no x que você escolher.

A caixa de informações mostra o máximo, o mínimo e a média dos valores traçados após cada traçado.

Mova o mouse sobre o gráfico para ver as coordenadas sob o ponteiro. Um * depois delas indica que o ponto está sobre a curva. A barra de status da janela principal mostra o mesmo ponto com tantas casas decimais quanto a escala justifica, por exemplo x = 1.25, y = -0.375 na escala 80.

Grade: Exibir &gt; Grade (Ctrl+G) desenha sob cada gráfico uma grade com marcas rotuladas, para ler valores na imagem. As linhas ficam a 1, 2 ou 5 vezes uma potência de dez unidades umas das outras, a pelo menos 40 pixels, e assim acompanham as escalas. A escolha vale para todos os gráficos e é lembrada; com &quot;Não apagar gráfico anterior&quot; marcado, nenhuma grade é desenhada.

Teclado: Enter na caixa da expressão traça o gráfico. Alt com a letra sublinhada de um botão o aciona (Alt+T traça); Alt+Shift com uma tecla de seta muda uma escala como seus botões + e -. A tecla Tab também chega ao gráfico, cuja borda passa então a mostrar a cor de destaque: ali as teclas de seta deslocam a vista um décimo do gráfico por vez, um pixel com Shift.

Menu Ferramentas: &quot;Encontrar raízes&quot;, &quot;Encontrar extremos&quot; e &quot;Encontrar interseções&quot; (com cada outra função explícita visível) examinam a função selecionada como o gráfico a mostra, no intervalo de x do gráfico: uma amostra por coluna de pixels, no x com que o gráfico é traçado. Os pontos encontrados são listados na janela &quot;Pontos&quot; (função, tipo, x e y, em ordem de x) e circulados no gráfico até que ele seja traçado de novo. Escolha uma linha para ver seu ponto na barra de status; &quot;Copiar&quot; (Ctrl+C) copia as linhas com uma linha de cabeçalho e uma tabulação entre as colunas, e &quot;Exportar CSV&quot; as salva em um arquivo. Um comando lista no máximo 1000 pontos.

Uma raiz é encontrada entre cada duas amostras vizinhas de sinais opostos, e em cada amostra que vale exatamente 0. Seu x é um número onde f vale 0, ou onde f muda de sinal rumo ao número seguinte (tão perto quanto vão os números do programa) sem ser ali maior em valor absoluto. Onde o valor absoluto de f não para de crescer dos dois lados à medida que a busca se estreita (um polo, como tan x em pi/2, ou um salto, como x - floor(x) - 0.5 em 1), nenhuma raiz é listada. Um mínimo ou máximo de valor 0 também é uma raiz: ali a curva toca o zero.

Um máximo (mínimo) é encontrado em cada amostra acima (abaixo) de suas duas vizinhas; uma sequência de amostras iguais conta uma vez. Seu x dá um valor não menor (maior) que as amostras ao redor e que os números logo ao lado. Polos e valores infinitos não são listados como máximos nem mínimos. Uma interseção de duas funções é uma raiz da diferença entre elas; seu y é o valor da primeira.

&quot;Tabela de valores&quot; pede &quot;De&quot;, &quot;Até&quot; e &quot;Passo&quot; e lista x, f(x) e dy/dx (como &quot;Aval. dy/dx&quot; o dá) para x = De, De + Passo, ... até Até. Um passo 0, um passo que se afasta de Até ou mais de 100000 linhas são recusados. &quot;Copiar&quot; e &quot;Exportar CSV&quot; funcionam como na janela &quot;Pontos&quot;.

O gráfico em qualquer tamanho: Exibir &gt; Gráfico em tela cheia (F11) mostra o gráfico na tela inteira, onde a roda do mouse, o arrastar e os comandos do menu Exibir funcionam como sobre o formulário; F11, ou Esc quando nada está sendo desenhado, volta. Arquivo &gt; Exportar gráfico pergunta o tamanho da imagem e se deve manter a região visível (as escalas crescem com a imagem) ou as escalas (uma imagem maior mostra mais), e então grava uma imagem, ou um arquivo SVG ou PDF que contém o gráfico como linhas e texto.</translation>
    </message>
    <message>
        <source>Show or hide the sliders of the graph&apos;s parameters (Ctrl+Shift+P goes to them)
Toggle Parameter List</source>
        <translation>Exibir ou ocultar os controles deslizantes dos parâmetros do gráfico (Ctrl+Shift+P leva até eles)
Lista de parâmetros</translation>
    </message>
    <message>
        <source>Type a function of x into the box at the top of the graph window and click Plot. Plovex draws y = f(x) across the graph, whose axes cross at its centre.

Example: x^2 + 5*x + 6

Built-in functions may be written with or without parentheses: sin x and sin(x) mean the same. A function takes the operand right after it: sin x^2 is (sin x)^2, and sin 2x is (sin 2)*x, so write sin(2x).

Multiplication may be left out between operands, with the same precedence as *: 2x is 2*x, 2(x+1) is 2*(x+1), (x+1)(x-1), x sin x and, in implicit functions, x y multiply too; 2x^2 is 2*x^2 and 1/2x is (1/2)*x. The postfix box shows the *.

Numbers may have an exponent: 1e5 is 100000, 2.5e-3 is 0.0025, and x^2-1e-2 is x^2 - 0.01. pi is the number 3.1415927: x*pi, 2pi.

A name is letters with any digits right after them: log10(x) and sin2x are unknown names, not log(10)*x or sin(2)*x. An unknown name is reported, as is a function with no argument after it: e^x gives &quot;Function &apos;e&apos; has no argument.&quot;; write e(x) or e x for e to the power x.

Implicit functions: tick Implicit function and enter f(x, y) without an equals sign. Plovex draws every point where f(x, y) = 0.

Example: x^2 + y^2 - 25 draws a circle of radius 5.

Several functions: the Functions list beside the graphs (View &gt; Function List, Ctrl+Shift+L) holds every function of the graph, each in its own colour. New Function (Insert) adds one; choose a row to edit its function in the form. A row&apos;s box shows or hides its function (Space), Colour... (F2) changes its colour, and Delete Function, Move Up and Move Down (Alt+Up, Alt+Down) do as they say. Plot draws every shown function; the statistics, the pointer readout, Evaluate, Eval dy/dx, Integrate and Plot dy/dx act on the selected one.

Parameters: a name of your own, such as a and b in a*sin(b*x), is a parameter of the graph. Plot offers to create each one not yet defined, with the value 1 from -5 to 5 in steps of 0.1. The Parameters list below the functions (View &gt; Parameter List, Ctrl+Shift+P) has a slider for each, with its value, range and step; moving a slider (the arrow keys by one step, Page Up and Page Down by ten) redraws every window of the graph at once. Its ▶ button plays: the slider moves from the minimum to the maximum and back until you press ■ or Esc. Add (Insert) makes a new parameter and ✕ deletes one; type a new name into its name box to rename it.</source>
        <translation>Digite uma função de x na caixa no alto da janela do gráfico e clique em &quot;Traçar&quot;. O Plovex traça y = f(x) ao longo de todo o gráfico, cujos eixos se cruzam no centro.

Exemplo: x^2 + 5*x + 6

As funções embutidas podem ser escritas com ou sem parênteses: sin x e sin(x) significam o mesmo. Uma função se aplica ao operando logo depois dela: sin x^2 é (sin x)^2, e sin 2x é (sin 2)*x; por isso escreva sin(2x).

O sinal de multiplicação pode ser omitido entre operandos, com a mesma precedência de *: 2x é 2*x, 2(x+1) é 2*(x+1), e (x+1)(x-1), x sin x e, nas funções implícitas, x y também se multiplicam; 2x^2 é 2*x^2 e 1/2x é (1/2)*x. A forma pós-fixa mostra o *.

Os números podem ter expoente: 1e5 é 100000, 2.5e-3 é 0.0025, e x^2-1e-2 é x^2 - 0.01. pi é o número 3.1415927: x*pi, 2pi.

Um nome é formado por letras e pelos dígitos logo depois delas: log10(x) e sin2x são nomes desconhecidos, não log(10)*x nem sin(2)*x. O Plovex avisa quando um nome é desconhecido e quando falta o argumento de uma função: com e^x ele informa que a função &quot;e&quot; não tem argumento; escreva e(x) ou e x para e elevado a x.

Funções implícitas: marque &quot;Implícita&quot; e digite f(x, y) sem sinal de igual. O Plovex traça todos os pontos em que f(x, y) = 0.

Exemplo: x^2 + y^2 - 25 traça uma circunferência de raio 5.

Várias funções: a lista &quot;Funções&quot; ao lado dos gráficos (Exibir &gt; Lista de funções, Ctrl+Shift+L) contém cada função do gráfico, cada uma em sua cor. &quot;Nova função&quot; (Insert) adiciona uma; escolha uma linha para editar sua função no formulário. A caixa de uma linha exibe ou oculta sua função (Espaço), &quot;Cor...&quot; (F2) muda sua cor, e &quot;Excluir função&quot;, &quot;Subir&quot; e &quot;Descer&quot; (Alt+Cima, Alt+Baixo) fazem o que dizem. &quot;Traçar&quot; desenha cada função visível; as estatísticas, a leitura do ponteiro, &quot;Avaliar&quot;, &quot;Aval. dy/dx&quot;, &quot;Integrar&quot; e &quot;Traçar dy/dx&quot; agem sobre a selecionada.

Parâmetros: um nome seu, como a e b em a*sin(b*x), é um parâmetro do gráfico. &quot;Traçar&quot; oferece criar cada um que ainda não esteja definido, com o valor 1 de -5 a 5 em passos de 0.1. A lista &quot;Parâmetros&quot; abaixo das funções (Exibir &gt; Lista de parâmetros, Ctrl+Shift+P) tem um controle deslizante para cada um, com seu valor, seu intervalo e seu passo; mover um controle (um passo com as setas, dez com Page Up e Page Down) redesenha na hora cada janela do gráfico. Seu botão ▶ o anima: o controle vai do mínimo ao máximo e volta, até você pressionar ■ ou Esc. &quot;Adicionar&quot; (Insert) cria um parâmetro novo e ✕ exclui um; digite um nome novo na caixa de nome para renomeá-lo.</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Refazer a última ação desfeita
Refazer</translation>
    </message>
</context>
<context>
    <name>plovex::CCurveEditor</name>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>y(t)</source>
        <translation>y(t)</translation>
    </message>
    <message>
        <source>x(t)</source>
        <translation>x(t)</translation>
    </message>
    <message>
        <source>r(t)</source>
        <translation>r(t)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a finite number. The range of t stays from %2 to %3.</source>
        <translation>&quot;%1&quot; não é um número finito. O intervalo de t continua de %2 a %3.</translation>
    </message>
    <message>
        <source>y(t) =</source>
        <translation>y(t) =</translation>
    </message>
    <message>
        <source>t from</source>
        <translation>t de</translation>
    </message>
    <message>
        <source>Start of the range of t</source>
        <translation>Início do intervalo de t</translation>
    </message>
    <message>
        <source>End of the range of t</source>
        <translation>Fim do intervalo de t</translation>
    </message>
    <message>
        <source>x(t) =</source>
        <translation>x(t) =</translation>
    </message>
    <message>
        <source>r(t) =</source>
        <translation>r(t) =</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameActions</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>E&amp;xportar gráfico...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Visualizar impressão...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grade</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>Redefinir visuali&amp;zação</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>&amp;Igualar escalas</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>For&amp;ward</source>
        <translation>Ava&amp;nçar</translation>
    </message>
    <message>
        <source>F&amp;ull Screen Graph</source>
        <translation>Gráfico em &amp;tela cheia</translation>
    </message>
    <message>
        <source>&amp;Function List</source>
        <translation>&amp;Lista de funções</translation>
    </message>
    <message>
        <source>&amp;New Function</source>
        <translation>&amp;Nova função</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>&amp;Delete Function</source>
        <translation>&amp;Excluir função</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descer</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Find &amp;Roots</source>
        <translation>Encontrar &amp;raízes</translation>
    </message>
    <message>
        <source>Find &amp;Extrema</source>
        <translation>Encontrar &amp;extremos</translation>
    </message>
    <message>
        <source>Find &amp;Intersections</source>
        <translation>Encontrar &amp;interseções</translation>
    </message>
    <message>
        <source>&amp;Table of Values...</source>
        <translation>&amp;Tabela de valores...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nova janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar ícones</translation>
    </message>
    <message>
        <source>&amp;Using Plovex</source>
        <translation>Como &amp;usar o Plovex</translation>
    </message>
    <message>
        <source>&amp;About Plovex...</source>
        <translation>&amp;Sobre o Plovex...</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>&amp;Próximo painel</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Painel &amp;anterior</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameMenus</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameToolBar</name>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
</context>
<context>
    <name>plovex::CFullScreenGraph</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Posição do ponteiro</translation>
    </message>
    <message>
        <source>F11 or Esc: back to the window</source>
        <translation>F11 ou Esc: voltar à janela</translation>
    </message>
</context>
<context>
    <name>plovex::CFunctionBar</name>
    <message>
        <source>(empty)</source>
        <translation>(vazia)</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visível</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>Parametric: x = %1, y = %2</source>
        <translation>Paramétrica: x = %1, y = %2</translation>
    </message>
    <message>
        <source>Polar: r = %1</source>
        <translation>Polar: r = %1</translation>
    </message>
</context>
<context>
    <name>plovex::CHelpDlg</name>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Plotting Graphs</source>
        <translation>Traçar gráficos</translation>
    </message>
    <message>
        <source>Function List</source>
        <translation>Lista de funções</translation>
    </message>
    <message>
        <source>Additional Features</source>
        <translation>Recursos adicionais</translation>
    </message>
    <message>
        <source>Other Uses of Plovex</source>
        <translation>Outros usos do Plovex</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemplos</translation>
    </message>
</context>
<context>
    <name>plovex::CNewFunctionMenu</name>
    <message>
        <source>&amp;Explicit y = f(x)</source>
        <translation>&amp;Explícita y = f(x)</translation>
    </message>
    <message>
        <source>&amp;Implicit f(x, y) = 0</source>
        <translation>&amp;Implícita f(x, y) = 0</translation>
    </message>
    <message>
        <source>&amp;Parametric x(t), y(t)</source>
        <translation>&amp;Paramétrica x(t), y(t)</translation>
    </message>
    <message>
        <source>P&amp;olar r(t)</source>
        <translation>P&amp;olar r(t)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterBar</name>
    <message>
        <source>Parameters</source>
        <translation>Parâmetros</translation>
    </message>
    <message>
        <source>&amp;Parameter List</source>
        <translation>Lista de &amp;parâmetros</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add parameter</source>
        <translation>Adicionar parâmetro</translation>
    </message>
    <message>
        <source>Add a parameter (Insert)</source>
        <translation>Adicionar um parâmetro (Insert)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterRow</name>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>step</source>
        <translation>passo</translation>
    </message>
    <message>
        <source>Name of parameter %1</source>
        <translation>Nome do parâmetro %1</translation>
    </message>
    <message>
        <source>Slider of %1</source>
        <translation>Controle deslizante de %1</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>Minimum of %1</source>
        <translation>Mínimo de %1</translation>
    </message>
    <message>
        <source>Maximum of %1</source>
        <translation>Máximo de %1</translation>
    </message>
    <message>
        <source>Step of %1</source>
        <translation>Passo de %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Excluir %1</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>Parar %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Animar %1</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexDoc</name>
    <message>
        <source>Cannot open the document &quot;%1&quot;.

%2</source>
        <translation>Não é possível abrir o documento &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Cannot save the document &quot;%1&quot;.

%2</source>
        <translation>Não é possível salvar o documento &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>It is not a Plovex graph: %1</source>
        <translation>Não é um gráfico do Plovex: %1</translation>
    </message>
    <message>
        <source>The graph settings stored in &quot;%1&quot; are damaged. The expression opens with the default scales and quality.</source>
        <translation>Os ajustes do gráfico salvos em &quot;%1&quot; estão danificados. A expressão é aberta com as escalas e a qualidade padrão.</translation>
    </message>
    <message>
        <source>The parameters stored in &quot;%1&quot; are damaged. The functions open without parameters.</source>
        <translation>Os parâmetros salvos em &quot;%1&quot; estão danificados. As funções são abertas sem parâmetros.</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexView</name>
    <message>
        <source>Evaluate function for what value of x?</source>
        <translation>Avaliar a função em qual valor de x?</translation>
    </message>
    <message>
        <source>Evaluate dy/dx for what value of x?</source>
        <translation>Avaliar dy/dx em qual valor de x?</translation>
    </message>
    <message>
        <source>Enter lower limit for integration:</source>
        <translation>Digite o limite inferior de integração:</translation>
    </message>
    <message>
        <source>Enter upper limit for integration:</source>
        <translation>Digite o limite superior de integração:</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copiar gráfico</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>E&amp;xportar gráfico...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Cannot print the graph: the printer did not accept the page.</source>
        <translation>Não é possível imprimir o gráfico: a impressora não aceitou a página.</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfico</translation>
    </message>
    <message>
        <source>Cannot print the graph to &quot;%1&quot;.

%2</source>
        <translation>Não é possível imprimir o gráfico em &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions: clear Implicit function and plot.</source>
        <translation>Raízes, extremos e tabelas de valores só são calculados para funções explícitas: desmarque &quot;Implícita&quot; e trace.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: the scale would become infinite.</source>
        <translation>Não é possível ampliar mais: a escala se tornaria infinita.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: the scale would become zero.</source>
        <translation>Não é possível reduzir mais: a escala se tornaria zero.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: neighbouring pixels would show the same value.</source>
        <translation>Não é possível ampliar mais: pixels vizinhos mostrariam o mesmo valor.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: neighbouring pixels would show the same value.</source>
        <translation>Não é possível reduzir mais: pixels vizinhos mostrariam o mesmo valor.</translation>
    </message>
    <message>
        <source>Cannot make the scales equal: the x scale cannot be used for y.</source>
        <translation>Não é possível igualar as escalas: a escala x não serve para y.</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions y = f(x), not for parametric or polar curves.</source>
        <translation>Raízes, extremos e tabelas de valores só são calculados para funções explícitas y = f(x), não para curvas paramétricas ou polares.</translation>
    </message>
</context>
<context>
    <name>plovex::CPointsDlg</name>
    <message>
        <source>Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>root</source>
        <translation>raiz</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>intersection with function %1</source>
        <translation>interseção com a função %1</translation>
    </message>
    <message>
        <source>%1 of %2: x = %3, y = %4</source>
        <translation>%1 de %2: x = %3, y = %4</translation>
    </message>
</context>
<context>
    <name>plovex::CToolWindows</name>
    <message>
        <source>There is no other shown explicit function in this graph to meet: add one with New Function, or show one in the function list.</source>
        <translation>Este gráfico não mostra nenhuma outra função explícita para cruzar: adicione uma com &quot;Nova função&quot; ou exiba uma na lista de funções.</translation>
    </message>
    <message>
        <source>Roots of %1</source>
        <translation>Raízes de %1</translation>
    </message>
    <message>
        <source>Minima and maxima of %1</source>
        <translation>Mínimos e máximos de %1</translation>
    </message>
    <message>
        <source>Intersections of %1</source>
        <translation>Interseções de %1</translation>
    </message>
    <message>
        <source>%1 for x from %2 to %3</source>
        <translation>%1 para x de %2 a %3</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>roots</comment>
        <translation>%1: nenhuma encontrada.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>roots</comment>
        <translation>
            <numerusform>%1: %n encontrada.</numerusform>
            <numerusform>%1: %n encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>minima and maxima</comment>
        <translation>%1: nenhum encontrado.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>minima and maxima</comment>
        <translation>
            <numerusform>%1: %n encontrado.</numerusform>
            <numerusform>%1: %n encontrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>intersections</comment>
        <translation>%1: nenhuma encontrada.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>intersections</comment>
        <translation>
            <numerusform>%1: %n encontrada.</numerusform>
            <numerusform>%1: %n encontradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>plovex::CValueTableDlg</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>%1 - Table of Values</source>
        <translation>%1 - Tabela de valores</translation>
    </message>
</context>
<context>
    <name>plovex::DataTable</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>plovex::DocumentTemplate</name>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
</context>
</TS>
